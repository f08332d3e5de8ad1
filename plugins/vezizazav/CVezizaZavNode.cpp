#include "plugins/vezizazav/CVezizaZavNode.h"

#include "util/MathOps.h"

#include <cmath>

namespace vex::orb::addon {
namespace {

// Two quaternions whose components differ by 2 or more in sum lie on opposite hemispheres.
constexpr double kOppositeHemisphere = 2.0;

double ComponentDistance(const util::Quat<double>& a, const util::Quat<double>& b) {
    return std::abs(a.x - b.x) + std::abs(a.y - b.y) + std::abs(a.z - b.z) + std::abs(a.w - b.w);
}

} // namespace

CVezizaZavNode::CVezizaZavNode(CCamera* tool, const SceneNode& target)
    : CFollowCamNode(tool, target, false) {}

void CVezizaZavNode::Follow(const util::QTransform<double>& goal, double h) {
    util::Quat<double> targetRotation = goal.rotation;
    if (targetRotation.w < 0.0) targetRotation = -targetRotation;

    // Keep both stages on the target's hemisphere, so a sign flip of the same rotation does not
    // swing the camera round.
    if (ComponentDistance(targetRotation, intermediateRotation) >= kOppositeHemisphere)
        intermediateRotation = -intermediateRotation;
    if (ComponentDistance(intermediateRotation, rotation) >= kOppositeHemisphere) rotation = -rotation;

    util::Approach(intermediatePosition, goal.translation, translationResponseFactor, h);
    util::Approach(position, intermediatePosition, translationResponseFactor, h);
    util::ApproachRotation(intermediateRotation, targetRotation, rotationResponseFactor, h);
    util::ApproachRotation(rotation, intermediateRotation, rotationResponseFactor, h);
}

util::QTransform<double> CVezizaZavNode::GetState() const {
    return {intermediatePosition, intermediateRotation};
}

void CVezizaZavNode::SetState(const util::QTransform<double>& pose) {
    intermediatePosition = pose.translation;
    intermediateRotation = pose.rotation;
}

} // namespace vex::orb::addon
