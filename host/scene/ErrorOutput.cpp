#include "host/scene/ErrorOutput.h"

#include <iostream>
#include <utility>

namespace vex::host {
namespace {

ErrorOutput::Sink& currentSink() {
    static ErrorOutput::Sink sink;
    return sink;
}

} // namespace

void ErrorOutput::write(const std::string& line) {
    if (currentSink())
        currentSink()(line);
    else
        std::cerr << line << '\n';
}

ErrorOutput::Sink ErrorOutput::setSink(Sink sink) {
    return std::exchange(currentSink(), std::move(sink));
}

} // namespace vex::host
