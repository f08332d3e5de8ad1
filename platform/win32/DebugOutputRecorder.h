#pragma once

#include "platform/win32/DebugOutput.h"

#include <string>
#include <vector>

namespace vex::platform::win32 {

/// For tests: for its lifetime it is the log's sink and keeps every line written. The previous sink
/// comes back on destruction.
class DebugOutputRecorder {
public:
    DebugOutputRecorder();
    ~DebugOutputRecorder();
    DebugOutputRecorder(const DebugOutputRecorder&) = delete;
    DebugOutputRecorder& operator=(const DebugOutputRecorder&) = delete;

    /// Every line logged so far, oldest first.
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    DebugOutputSink previous_;
    std::vector<std::string> lines_;
};

} // namespace vex::platform::win32
