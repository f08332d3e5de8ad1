#pragma once

// The process's diagnostic log, which OutputDebugString writes to on Windows: notices that are worth
// a line for whoever looks, but not a box in the user's way. Without a sink a line goes to stderr.

#include <functional>
#include <string>

namespace vex::platform::win32 {

/// Receives one logged line, without its line end.
using DebugOutputSink = std::function<void(const std::string& line)>;

/// Writes `text` to the log as one line (a line end at its close is not part of it). Null is empty.
void OutputDebugStringA(const char* text);

/// Installs the sink used from now on (an empty function brings back stderr) and returns the
/// previous one.
DebugOutputSink SetDebugOutputSink(DebugOutputSink sink);

} // namespace vex::platform::win32
