#pragma once

namespace vex::orb::addon {

/// The lag the free-flying cameras and the direct links give their inputs: moves `state` toward
/// `target` with the response factor `factor`, which is taken per 0.04 s, over the time `h`. A factor
/// of exactly 0 or 1 reaches the target at once. Long steps are split into equal parts of at most
/// 0.04 s so that the lag hardly depends on the frame rate (util::Smooth, answering the new state).
double FilterStep(double state, double target, double factor, double h);

/// Two filter steps in a row with one factor: the first state follows the target, the second (the
/// value the motion uses) follows the first.
struct ResponseFilter {
    double first = 0.0;
    double second = 0.0;

    /// Moves both states over `h` and answers the second.
    double Step(double target, double factor, double h);

    bool operator==(const ResponseFilter&) const = default;
};

} // namespace vex::orb::addon
