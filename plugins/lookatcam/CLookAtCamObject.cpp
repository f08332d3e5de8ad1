#include "plugins/lookatcam/CLookAtCamObject.h"

#include "plugins/common/AimAt.h"
#include "plugins/common/ChannelValue.h"
#include "plugins/common/InputSettingItems.h"
#include "plugins/common/StateRecordCodec.h"
#include "unidevice/ControlKind.h"

namespace vex::orb::addon {
namespace {

// The focus offset needs a direction: axes, hat halves or two keys.
constexpr uint32_t kOffsetKinds =
    unidevice::kTrinaryControl | unidevice::kFiniteControl | unidevice::kInfiniteControl;

} // namespace

void CLookAtCamObject::DeclareChannels() {
    focusChannel = core->addInputChannel(kFocusInput, kOffsetKinds, &channelFactory_);
}

LookAtState CLookAtCamObject::FreshState(double t) {
    return AimingAt(TargetPosition(t));
}

void CLookAtCamObject::PlaceCamera(double t) {
    const util::Matrix<double> world = CameraWorld(t);
    camera.worldMatrix = AimedAt(world, state.AimPoint());
    camera.update(t);
    const double distance = util::Length(TargetPosition(t) - PositionOf(world));
    camera.WriteLens(t, false, 0.0, true, FocusDistance(state, distance, settings));
}

void CLookAtCamObject::step(double t) {
    StepLookAt(state, TargetPosition(t), ChannelValue(focusChannel), settings, core->getFrameDuration());
    Stepped(t);
}

ToolPage CLookAtCamObject::Page() {
    const auto spinner = [](const char* name, double& value, double min, double max, double step) {
        return SpinnerItem{.name = name, .help = name, .value = &value, .min = min, .max = max, .step = step};
    };
    return {
        GeneralModes(),
        {.name = "Camera Parameters",
         .items = {spinner(kAimResponseFactor, settings.aimResponseFactor, 0.0, 1.0, 0.01),
                   spinner(kMinimumFocusDistance, settings.minimumFocusDistance, 0.0, 1e16, 0.01)}},
        {.name = "Input Property Parameters",
         .items =
             InputSettingItems({kFocusInput}, {&settings.focusResponseFactor}, {&settings.focusMaximum})},
    };
}

std::vector<RecordField> CLookAtCamObject::RecordFields() {
    std::vector<RecordField> fields = HideFields();
    fields.insert(fields.end(),
                  {{"aimResponseFactor", settings.aimResponseFactor},
                   {"minimumFocusDistance", settings.minimumFocusDistance},
                   {"focusResponseFactor", settings.focusResponseFactor},
                   {"focusMaximum", settings.focusMaximum},
                   StateRecordField(
                       "lookAtStates", record, [](auto& s, auto&& field) { VisitLookAtState(s, field); },
                       [](const LookAtState&) { return true; })});
    return fields;
}

} // namespace vex::orb::addon
