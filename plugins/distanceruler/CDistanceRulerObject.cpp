#include "plugins/distanceruler/CDistanceRulerObject.h"

#include "plugins/common/MatrixAccess.h"
#include "plugins/common/RulerWindow.h"
#include "unidevice/ControlKind.h"
#include "util/MathOps.h"

namespace vex::orb::addon {

CDistanceRulerObject::CDistanceRulerObject(const CreateParam& param)
    : CRulerObject(param, {&target1, &target2},
                   {{kOutputNames[0], unidevice::kInfiniteControl},
                    {kOutputNames[1], unidevice::kBinaryControl},
                    {kOutputNames[2], unidevice::kBinaryControl},
                    {kOutputNames[3], unidevice::kFiniteControl}}),
      target1(this, kTarget1), target2(this, kTarget2) {}

void CDistanceRulerObject::Created() {
    util::Matrix<double> apart;
    apart.m[3][0] = 2.0;
    WriteWorldMatrix(core, target2.node, core->getCurrentTime(), apart);
    CRulerObject::Created();
}

void CDistanceRulerObject::Measure(double t) {
    util::Matrix<double> a, b;
    if (ReadWorldMatrix(core, target1.node, t, a) && ReadWorldMatrix(core, target2.node, t, b)) {
        const util::Vector3<double> between{b.m[3][0] - a.m[3][0], b.m[3][1] - a.m[3][1],
                                            b.m[3][2] - a.m[3][2]};
        currentDistance =
            util::Length(between) * util::Length(util::Vector3<double>{a.m[2][0], a.m[2][1], a.m[2][2]});
    }
    inLimits = WindowPosition(currentDistance, maxDistance, minDistance);
}

double CDistanceRulerObject::OutputValue(std::size_t k) const {
    switch (k) {
    case 0:
        return currentDistance;
    case 1:
        return AboveTrigger(currentDistance, maxDistance);
    case 2:
        return BelowTrigger(currentDistance, minDistance);
    default:
        return inLimits;
    }
}

ToolPage CDistanceRulerObject::Page() {
    return {
        {.name = "Distances",
         .items =
             {UpdateButton("Click this button to update the distance values."),
              ValueSpinner("Current Distance", "Shows the distance between the targets.", currentDistance,
                           false),
              ValueSpinner("Max Distance",
                           "If the Current Distance is larger than this value the Maximum Trigger Value will "
                           "be set to 1.",
                           maxDistance, true),
              ValueSpinner(
                  "Min Distance",
                  "If the Current Distance is smaller than this value the Minimum Trigger Value will "
                  "be set to 1.",
                  minDistance, true),
              ValueSpinner("In Limits Distance",
                           "Shows where the Current Distance lies between the Min Distance (0) and the Max "
                           "Distance (1).",
                           inLimits, false)}},
        GeneralModes(hideHelpersDuringRecording),
    };
}

std::vector<RecordField> CDistanceRulerObject::RecordFields() {
    return {{"maxDistance", maxDistance},
            {"minDistance", minDistance},
            {"hideHelpersDuringRecording", hideHelpersDuringRecording}};
}

} // namespace vex::orb::addon
