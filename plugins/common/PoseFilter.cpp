#include "plugins/common/PoseFilter.h"

#include "plugins/common/ResponseFilter.h"
#include "util/MathOps.h"

namespace vex::orb::addon {
namespace {

void FollowPose(util::QTransform<double>& pose, const util::QTransform<double>& target, double factor,
                double h, double share) {
    pose.translation.x = FilterStep(pose.translation.x, target.translation.x, factor, h);
    pose.translation.y = FilterStep(pose.translation.y, target.translation.y, factor, h);
    pose.translation.z = FilterStep(pose.translation.z, target.translation.z, factor, h);
    TurnToward(pose.rotation, target.rotation, share);
}

} // namespace

double FilterShare(double factor, double h) {
    return FilterStep(0.0, 1.0, factor, h);
}

void TurnToward(util::Quat<double>& q, const util::Quat<double>& target, double share) {
    if (share >= 1.0) {
        q = target;
        return;
    }
    // The shorter arc: q and −q are the same rotation.
    const util::Quat<double> to = util::Dot(q, target) < 0.0 ? -target : target;
    util::SlerpStep(q, to, share, 1.0);
    util::Normalize(q);
}

const util::QTransform<double>& PoseFilter::Step(const util::QTransform<double>& target, double factor,
                                                 double h) {
    const double share = FilterShare(factor, h);
    FollowPose(first, target, factor, h, share);
    FollowPose(second, first, factor, h, share);
    return second;
}

} // namespace vex::orb::addon
