#pragma once

#include "util/QTransform.h"

namespace vex::orb::addon {

/// The share of the remaining way that one FilterStep with the response factor `factor` covers in the
/// time `h`: 1 for a factor of exactly 0 or 1, which reach the target at once.
double FilterShare(double factor, double h);

/// The response filter of ResponseFilter.h on a rigid pose, for nodes that glide from pose to pose:
/// two stages with one factor, the first following the target and the second (the pose shown)
/// following the first. Positions follow coordinate by coordinate through FilterStep; rotations turn
/// by the same share of the way along the shorter great arc (a spherical blend), so a factor of 0 or 1
/// lands on the target exactly.
struct PoseFilter {
    util::QTransform<double> first{};
    util::QTransform<double> second{};

    /// Both stages at `pose`: at rest there.
    void Reset(const util::QTransform<double>& pose) { first = second = pose; }
    /// Moves both stages over `h` toward `target` and answers the second.
    const util::QTransform<double>& Step(const util::QTransform<double>& target, double factor, double h);
};

/// Turns the unit quaternion `q` the share `share` of the shorter arc toward `target`; a share of 1 or
/// more gives `target` itself.
void TurnToward(util::Quat<double>& q, const util::Quat<double>& target, double share);

} // namespace vex::orb::addon
