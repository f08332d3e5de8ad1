#include "plugins/scaleruler/CScaleRulerObject.h"

#include "plugins/common/MatrixAccess.h"
#include "plugins/common/RulerWindow.h"
#include "unidevice/ControlKind.h"
#include "util/MathOps.h"

#include <string>

namespace vex::orb::addon {
namespace {

constexpr std::array<const char*, 3> kAxes{"X", "Y", "Z"};

std::vector<OutputChannels::Output> ScaleOutputs() {
    std::vector<OutputChannels::Output> declared;
    for (std::size_t k = 0; k < CScaleRulerObject::kOutputNames.size(); ++k)
        declared.push_back({CScaleRulerObject::kOutputNames[k], k < 3   ? unidevice::kInfiniteControl
                                                                : k < 9 ? unidevice::kBinaryControl
                                                                        : unidevice::kFiniteControl});
    return declared;
}

} // namespace

CScaleRulerObject::CScaleRulerObject(const CreateParam& param)
    : CRulerObject(param, {&scaled, &reference}, ScaleOutputs()), scaled(this, kScaled),
      reference(this, kReference) {}

void CScaleRulerObject::Measure(double t) {
    util::Matrix<double> s, r, inverse;
    if (ReadWorldMatrix(core, scaled.node, t, s) && ReadWorldMatrix(core, reference.node, t, r)) {
        // A reference that cannot be inverted (scaled to nothing) leaves the world scale.
        const util::Matrix<double> relative = util::Inverse(r, inverse) ? s * inverse : s;
        for (int axis = 0; axis < 3; ++axis)
            currentScale[static_cast<std::size_t>(axis)] = util::Length(
                util::Vector3<double>{relative.m[axis][0], relative.m[axis][1], relative.m[axis][2]});
    }
    for (std::size_t axis = 0; axis < 3; ++axis)
        percentage[axis] = WindowPosition(currentScale[axis], maxScale[axis], minScale[axis]);
}

double CScaleRulerObject::OutputValue(std::size_t k) const {
    // Three of each, per axis: the scales, the maximum triggers, the minimum triggers, the positions.
    const std::size_t axis = k % 3;
    switch (k / 3) {
    case 0:
        return currentScale[axis];
    case 1:
        return AboveTrigger(currentScale[axis], maxScale[axis]);
    case 2:
        return BelowTrigger(currentScale[axis], minScale[axis]);
    default:
        return percentage[axis];
    }
}

ToolPage CScaleRulerObject::Page() {
    std::vector<PageItem> items{UpdateButton("Click this button to update the scale values.")};
    const auto perAxis = [&](const char* label, const char* help, Axes& values, bool limit) {
        for (std::size_t axis = 0; axis < 3; ++axis) {
            std::string name = label;
            name.replace(name.find('#'), 1, kAxes[axis]);
            std::string text = help;
            if (const std::size_t at = text.find('#'); at != std::string::npos)
                text.replace(at, 1, kAxes[axis]);
            items.push_back(ValueSpinner(name, text, values[axis], limit));
        }
    };
    perAxis("Current # Scale", "Shows the scale along # of the scaled node relative to the reference.",
            currentScale, false);
    perAxis("Max # Scale",
            "If the Current # Scale is larger than this value the Maximum # Trigger Value will be set to 1.",
            maxScale, true);
    perAxis("Min # Scale",
            "If the Current # Scale is smaller than this value the Minimum # Trigger Value will be set to 1.",
            minScale, true);
    perAxis("Percentage from # Min/Max",
            "Shows where the Current # Scale lies between its Min (0) and its Max (1).", percentage, false);
    return {{.name = "Scales", .items = std::move(items)}, GeneralModes(hideHelpersDuringRecording)};
}

std::vector<RecordField> CScaleRulerObject::RecordFields() {
    std::vector<RecordField> fields;
    for (std::size_t axis = 0; axis < 3; ++axis) {
        static constexpr std::array<const char*, 3> kMax{"maxXScale", "maxYScale", "maxZScale"};
        static constexpr std::array<const char*, 3> kMin{"minXScale", "minYScale", "minZScale"};
        fields.emplace_back(kMax[axis], maxScale[axis]);
        fields.emplace_back(kMin[axis], minScale[axis]);
    }
    fields.emplace_back("hideHelpersDuringRecording", hideHelpersDuringRecording);
    return fields;
}

} // namespace vex::orb::addon
