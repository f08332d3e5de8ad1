#include "host/scene/ErrorOutput.h"

#include <iostream>
#include <utility>

namespace vex::host {
namespace {

ErrorOutput::Sink& CurrentSink() {
    static ErrorOutput::Sink sink;
    return sink;
}

} // namespace

void ErrorOutput::Write(const std::string& line) {
    if (CurrentSink())
        CurrentSink()(line);
    else
        std::cerr << line << '\n';
}

ErrorOutput::Sink ErrorOutput::SetSink(Sink sink) {
    return std::exchange(CurrentSink(), std::move(sink));
}

} // namespace vex::host
