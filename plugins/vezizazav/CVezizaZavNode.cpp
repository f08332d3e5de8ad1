#include "plugins/vezizazav/CVezizaZavNode.h"

#include "interface/CInterface.h"
#include "plugins/common/CameraPose.h"
#include "plugins/common/WorldMatrixAccess.h"
#include "util/MathOps.h"
#include "util/Rotation.h"

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
    : CCameraNode(tool, kName, false), target_(target) {}

void CVezizaZavNode::update(double t) {
    CInterface* c = core();
    if (c == nullptr) return;
    const double h = c->getFrameDuration();

    // Where the FollowCam was one frame ago (the identity when its node cannot be obtained); its
    // scale is kept, only its rotation and position follow.
    util::Matrix<double> own;
    ReadWorldMatrix(c, node, t - h, own);
    CameraPose pose = ToCameraPose(own);
    position = pose.transform.translation;
    rotation = pose.transform.rotation;

    // Where the target is now (the identity when it cannot be obtained).
    util::Matrix<double> attached;
    ReadWorldMatrix(c, target_.node, t, attached);
    const util::QTransform<double> goal = util::ToQTransform(attached);
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

    pose.transform = {position, rotation};
    worldMatrix = ToWorldMatrix(pose);
    WriteWorldMatrix(c, node, t, worldMatrix);
}

util::QTransform<double> CVezizaZavNode::getIntermediatePose() const {
    return {intermediatePosition, intermediateRotation};
}

void CVezizaZavNode::setIntermediatePose(const util::QTransform<double>& pose) {
    intermediatePosition = pose.translation;
    intermediateRotation = pose.rotation;
}

} // namespace vex::orb::addon
