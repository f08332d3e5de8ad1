#include "plugins/lookatcam/CLookAtCamObject.h"

#include "interface/CVariableModUndo.h"
#include "plugins/common/AimAt.h"
#include "plugins/common/ChannelValue.h"
#include "plugins/common/HelperToggle.h"
#include "plugins/common/InputSettingItems.h"
#include "plugins/common/MatrixAccess.h"
#include "plugins/common/PoseMatch.h"
#include "plugins/common/StateRecordCodec.h"
#include "unidevice/ControlKind.h"

namespace vex::orb::addon {
namespace {

// The focus offset needs a direction: axes, hat halves or two keys.
constexpr uint32_t kOffsetKinds =
    unidevice::kTrinaryControl | unidevice::kFiniteControl | unidevice::kInfiniteControl;

// Where a new target stands: in front of the new camera.
constexpr double kTargetDistance = 10.0;

} // namespace

CLookAtCamObject::CLookAtCamObject(const CreateParam& param)
    : CToolObject(param, {&target, &camera}), target(this, nullptr), camera(this) {}

void CLookAtCamObject::DeclareChannels() {
    focusChannel = core->addInputChannel(kFocusInput, kOffsetKinds, &channelFactory_);
}

void CLookAtCamObject::Created() {
    const double now = core->getCurrentTime();
    target.localMatrix.m[3][2] = -kTargetDistance;
    target.update(now);
    if (camera.node != nullptr) camera.node->select();
    state = AimingAt(WorldPosition(core, target.node, now));
    PlaceCamera(now);
}

void CLookAtCamObject::PlaceCamera(double t) {
    util::Matrix<double> world;
    ReadWorldMatrix(core, camera.node, t, world);
    camera.worldMatrix = AimedAt(world, state.AimPoint());
    camera.update(t);
    const double distance = util::Length(WorldPosition(core, target.node, t) - PositionOf(world));
    camera.WriteLens(t, false, 0.0, true, FocusDistance(state, distance, settings));
}

void CLookAtCamObject::begin(double t) {
    core->addUndo(new CVariableModUndo<StateRecord<LookAtState>>(&record));
    const LookAtState* recorded = RecordedNear(record, t, core->getFrameDuration());
    state = recorded != nullptr ? *recorded : AimingAt(WorldPosition(core, target.node, t));
    record.TruncateAfter(t);
    record.Set(t, state);
    if (hideHelpersDuringRecording && !hideHelpers) hiddenForTake_.hide({&target});
}

void CLookAtCamObject::end() {
    hiddenForTake_.restore();
}

void CLookAtCamObject::step(double t) {
    StepLookAt(state, WorldPosition(core, target.node, t), ChannelValue(focusChannel), settings,
               core->getFrameDuration());
    record.Set(t, state);
    PlaceCamera(t);
}

ToolPage CLookAtCamObject::Page() {
    const auto check = [this](const char* name, bool& value, bool withCallback) {
        return CheckBoxItem{
            .name = name, .help = name, .value = &value, .callback = withCallback ? this : nullptr};
    };
    const auto spinner = [](const char* name, double& value, double min, double max, double step) {
        return SpinnerItem{.name = name, .help = name, .value = &value, .min = min, .max = max, .step = step};
    };
    return {
        {.name = "General Modes",
         .items = {check(kHideHelpers, hideHelpers, true),
                   check(kHideHelpersDuringRecording, hideHelpersDuringRecording, false)}},
        {.name = "Camera Parameters",
         .items = {spinner(kAimResponseFactor, settings.aimResponseFactor, 0.0, 1.0, 0.01),
                   spinner(kMinimumFocusDistance, settings.minimumFocusDistance, 0.0, 1e16, 0.01)}},
        {.name = "Input Property Parameters",
         .items =
             InputSettingItems({kFocusInput}, {&settings.focusResponseFactor}, {&settings.focusMaximum})},
    };
}

std::vector<RecordField> CLookAtCamObject::RecordFields() {
    return {{"hideHelpers", hideHelpers},
            {"hideHelpersDuringRecording", hideHelpersDuringRecording},
            {"aimResponseFactor", settings.aimResponseFactor},
            {"minimumFocusDistance", settings.minimumFocusDistance},
            {"focusResponseFactor", settings.focusResponseFactor},
            {"focusMaximum", settings.focusMaximum},
            StateRecordField(
                "lookAtStates", record, [](auto& s, auto&& field) { VisitLookAtState(s, field); },
                [](const LookAtState&) { return true; })};
}

void CLookAtCamObject::onEvent(std::string name) {
    ToggleHelpers(core, this, name, kHideHelpers, hideHelpers, {&target});
}

} // namespace vex::orb::addon
