#include "platform/win32/DebugOutput.h"

#include <cstdio>
#include <mutex>
#include <utility>

namespace vex::platform::win32 {

namespace {

struct SinkSlot {
    std::mutex mutex;
    DebugOutputSink sink;
};

SinkSlot& GetSinkSlot() {
    static SinkSlot slot;
    return slot;
}

} // namespace

void OutputDebugStringA(const char* text) {
    std::string line = text != nullptr ? text : "";
    if (!line.empty() && line.back() == '\n') line.pop_back();

    DebugOutputSink sink;
    {
        SinkSlot& slot = GetSinkSlot();
        std::lock_guard lock(slot.mutex);
        sink = slot.sink;
    }
    if (sink) {
        sink(line);
        return;
    }
    std::fprintf(stderr, "%s\n", line.c_str());
}

DebugOutputSink SetDebugOutputSink(DebugOutputSink sink) {
    SinkSlot& slot = GetSinkSlot();
    std::lock_guard lock(slot.mutex);
    return std::exchange(slot.sink, std::move(sink));
}

} // namespace vex::platform::win32
