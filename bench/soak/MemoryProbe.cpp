#include "bench/soak/MemoryProbe.h"

#include "util/NumberText.h"

#include <malloc.h>

#include <fstream>
#include <string>

MemorySample MemoryProbe::Sample() {
    malloc_trim(0);
    MemorySample sample;
    const struct mallinfo2 info = mallinfo2();
    sample.inUse = info.uordblks;
    sample.arena = info.arena;
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) != 0) continue;
        // "VmRSS:     12345 kB"
        std::string_view figure = vex::util::TrimBlanks(std::string_view(line).substr(6));
        figure = figure.substr(0, figure.find(' '));
        sample.resident = vex::util::ParseNumber<std::size_t>(figure).value_or(0) * 1024;
        break;
    }
    return sample;
}
