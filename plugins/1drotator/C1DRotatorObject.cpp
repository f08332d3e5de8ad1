#include "plugins/1drotator/C1DRotatorObject.h"

#include "util/MathOps.h"
#include "util/Rotation.h"

#include <algorithm>
#include <numbers>

namespace vex::orb::addon {

C1DRotatorObject::C1DRotatorObject(const CreateParam& param)
    : CLinkToolObject(param, {{kInputName, std::numbers::pi / 2}}, cage, rotator, nullptr),
      cage(this, kCageName), rotator(this, cage) {}

util::Matrix<double> C1DRotatorObject::LinkMatrix(const Filtered& f) const {
    util::Vector3<double> turn{};
    (axis == 0 ? turn.x : axis == 2 ? turn.z : turn.y) = f[0];
    return util::ToMatrix(util::FromRotationVector(turn));
}

std::vector<PageGroup> C1DRotatorObject::ToolGroups() {
    return {{.name = "Rotation Modes",
             .items = {ComboBoxItem{.name = kRotationAxis,
                                    .help = kRotationAxis,
                                    .items = {kAxisNames.begin(), kAxisNames.end()},
                                    .value = &axis}}}};
}

std::vector<RecordField> C1DRotatorObject::ToolFields() {
    return {RecordField("rotationAxis", axis)};
}

void C1DRotatorObject::Restored(bool fromRecord) {
    (void)fromRecord;
    axis = std::clamp(axis, 0, 2);
}

} // namespace vex::orb::addon
