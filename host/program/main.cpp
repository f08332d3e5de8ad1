// torva-host: runs scripts in the embedded host (see HostProgram).
#include "HostProgram.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return vex::host::program::HostProgram(std::cin, std::cout, std::cerr).run(args);
}
