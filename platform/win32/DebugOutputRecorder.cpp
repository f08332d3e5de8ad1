#include "platform/win32/DebugOutputRecorder.h"

#include <utility>

namespace vex::platform::win32 {

DebugOutputRecorder::DebugOutputRecorder()
    : previous_(SetDebugOutputSink([this](const std::string& line) { lines_.push_back(line); })) {}

DebugOutputRecorder::~DebugOutputRecorder() {
    SetDebugOutputSink(std::move(previous_));
}

} // namespace vex::platform::win32
