#include "plugins/angleruler/CAngleRulerObject.h"

#include "plugins/common/MatrixAccess.h"
#include "plugins/common/RulerWindow.h"
#include "unidevice/ControlKind.h"
#include "util/MathOps.h"

#include <algorithm>
#include <cmath>

namespace vex::orb::addon {
namespace {

using V = util::Vector3<double>;

V PositionOf(const util::Matrix<double>& m) {
    return {m.m[3][0], m.m[3][1], m.m[3][2]};
}

} // namespace

CAngleRulerObject::CAngleRulerObject(const CreateParam& param)
    : CRulerObject(param, {&vertex, &target1, &target2},
                   {{kOutputNames[0], unidevice::kInfiniteControl},
                    {kOutputNames[1], unidevice::kInfiniteControl},
                    {kOutputNames[2], unidevice::kBinaryControl},
                    {kOutputNames[3], unidevice::kBinaryControl},
                    {kOutputNames[4], unidevice::kFiniteControl}}),
      vertex(this, kVertex), target1(this, kTarget1), target2(this, kTarget2) {}

void CAngleRulerObject::Created() {
    const double now = core->getCurrentTime();
    util::Matrix<double> along;
    along.m[3][0] = 2.0;
    WriteWorldMatrix(core, target1.node, now, along);
    along.m[3][0] = 0.0;
    along.m[3][2] = -2.0;
    WriteWorldMatrix(core, target2.node, now, along);
    CRulerObject::Created();
}

bool CAngleRulerObject::AngleAt(double t, double& angle) const {
    util::Matrix<double> v, a, b;
    if (!ReadWorldMatrix(core, vertex.node, t, v) || !ReadWorldMatrix(core, target1.node, t, a) ||
        !ReadWorldMatrix(core, target2.node, t, b))
        return false;
    const V toA = PositionOf(a) - PositionOf(v), toB = PositionOf(b) - PositionOf(v);
    const double lengths = util::Length(toA) * util::Length(toB);
    // Rounding may put the cosine of a straight angle just past ±1.
    angle = lengths > 0.0 ? std::acos(std::clamp(util::Dot(toA, toB) / lengths, -1.0, 1.0)) : 0.0;
    return true;
}

void CAngleRulerObject::Measure(double t) {
    const double frame = core->getFrameDuration();
    double now = 0.0, before = 0.0;
    if (AngleAt(t, now)) {
        currentAngle = now;
        angularVelocity = frame > 0.0 && AngleAt(t - frame, before) ? std::abs(now - before) / frame : 0.0;
    }
    inLimits = WindowPosition(currentAngle, maxAngle, minAngle);
}

double CAngleRulerObject::OutputValue(std::size_t k) const {
    switch (k) {
    case 0:
        return currentAngle;
    case 1:
        return angularVelocity;
    case 2:
        return AboveTrigger(currentAngle, maxAngle);
    case 3:
        return BelowTrigger(currentAngle, minAngle);
    default:
        return inLimits;
    }
}

ToolPage CAngleRulerObject::Page() {
    return {
        {.name = "Angles",
         .items = {UpdateButton("Click this button to update the angle values."),
                   ValueSpinner("Current Angle",
                                "Shows the angle (radians) at the vertex between the targets.", currentAngle,
                                false),
                   ValueSpinner("Angular Velocity", "Shows how fast the angle changes (radians per second).",
                                angularVelocity, false),
                   ValueSpinner(
                       "Max Angle",
                       "If the Current Angle is larger than this value the Maximum Trigger Value will be "
                       "set to 1.",
                       maxAngle, true),
                   ValueSpinner(
                       "Min Angle",
                       "If the Current Angle is smaller than this value the Minimum Trigger Value will be "
                       "set to 1.",
                       minAngle, true),
                   ValueSpinner(
                       "In Limits Distance",
                       "Shows where the Current Angle lies between the Min Angle (0) and the Max Angle (1).",
                       inLimits, false)}},
        GeneralModes(hideHelpersDuringRecording),
    };
}

std::vector<RecordField> CAngleRulerObject::RecordFields() {
    return {{"maxAngle", maxAngle},
            {"minAngle", minAngle},
            {"hideHelpersDuringRecording", hideHelpersDuringRecording}};
}

} // namespace vex::orb::addon
