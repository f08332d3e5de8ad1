#include "core/StepFault.h"

#include <utility>

namespace vex::orb::core {

namespace {

struct OpenStep {
    bool open = false;
    std::string fault;
};

OpenStep& Current() {
    static OpenStep step;
    return step;
}

} // namespace

void StepFault::Report(const std::string& what) {
    OpenStep& step = Current();
    if (step.open && step.fault.empty()) step.fault = what;
}

void StepFault::Begin() {
    Current() = {true, {}};
}

std::string StepFault::End() {
    OpenStep& step = Current();
    step.open = false;
    return std::exchange(step.fault, {});
}

} // namespace vex::orb::core
