#pragma once

#include <functional>
#include <string>

namespace vex::host {

/// Where the host's error lines go (MStatus::perror and the like): standard error unless a sink is set,
/// for example by the host program's script output or by a test that checks a message.
class ErrorOutput {
public:
    using Sink = std::function<void(const std::string& line)>;

    /// Sends one line to the sink, or to standard error when there is none.
    static void Write(const std::string& line);
    /// Replaces the sink (an empty function restores standard error); returns the previous one.
    static Sink SetSink(Sink sink);
};

} // namespace vex::host
