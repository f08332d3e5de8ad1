#pragma once

#include <string>

namespace vex::orb::core {

/// What went wrong while a tool stepped: the layers its results pass through report a value that is
/// not a number, the recorder an exception. The recorder opens a step around each tool step and
/// closes it to learn the fault; reports outside a step are dropped (nothing runs that could stop).
/// Main thread only, as the steps are.
class StepFault {
public:
    /// Notes what went wrong in the open step; the first report of a step is the one kept.
    static void Report(const std::string& what);
    /// Opens a step with no fault.
    static void Begin();
    /// Closes the step and answers its fault, empty when there was none.
    static std::string End();
};

} // namespace vex::orb::core
