#include "plugins/horrorcam/CHorrorCamObject.h"

#include "plugins/common/AimAt.h"
#include "plugins/common/ChannelValue.h"
#include "plugins/common/InputSettingItems.h"
#include "plugins/common/StateRecordCodec.h"
#include "unidevice/ControlKind.h"

namespace vex::orb::addon {
namespace {

// The framing rate needs a direction: axes, hat halves or two keys.
constexpr uint32_t kWidthKinds =
    unidevice::kTrinaryControl | unidevice::kFiniteControl | unidevice::kInfiniteControl;

bool ValidState(const DollyZoomState& state) {
    return state.pictureWidth > 0.0 && state.fieldOfView > 0.0;
}

} // namespace

void CHorrorCamObject::DeclareChannels() {
    widthChannel = core->addInputChannel(kWidthInput, kWidthKinds, &channelFactory_);
}

util::Matrix<double> CHorrorCamObject::ViewAt(double t) const {
    const util::Matrix<double> world = CameraWorld(t);
    return aimAtTarget ? AimedAt(world, TargetPosition(t)) : world;
}

DollyZoomState CHorrorCamObject::FreshState(double t) {
    double fieldOfView = state.fieldOfView, focusDistance = 0.0;
    camera.ReadLens(t, fieldOfView, focusDistance);
    return StartDollyZoom(fieldOfView, ViewDepth(ViewAt(t), TargetPosition(t)));
}

void CHorrorCamObject::PlaceCamera(double t) {
    camera.worldMatrix = ViewAt(t);
    if (aimAtTarget) camera.update(t);
    const double distance = util::Length(TargetPosition(t) - PositionOf(camera.worldMatrix));
    camera.WriteLens(t, true, state.fieldOfView, true, distance);
}

void CHorrorCamObject::step(double t) {
    StepDollyZoom(state, ViewDepth(ViewAt(t), TargetPosition(t)), ChannelValue(widthChannel), settings,
                  core->getFrameDuration());
    Stepped(t);
}

ToolPage CHorrorCamObject::Page() {
    const auto spinner = [](const char* name, double& value, double min, double max, double step) {
        return SpinnerItem{.name = name, .help = name, .value = &value, .min = min, .max = max, .step = step};
    };
    return {
        GeneralModes(),
        {.name = "Camera Modes",
         .items = {CheckBoxItem{.name = kAimAtTarget, .help = kAimAtTarget, .value = &aimAtTarget}}},
        {.name = "Zoom Limits",
         .items = {spinner("Minimum Field Of View", settings.minimumFieldOfView, 0.01, 179.0, 0.1),
                   spinner("Maximum Field Of View", settings.maximumFieldOfView, 0.01, 179.0, 0.1),
                   spinner("Minimum Depth", settings.minimumDepth, 0.0, 1e16, 0.01)}},
        {.name = "Input Property Parameters",
         .items =
             InputSettingItems({kWidthInput}, {&settings.widthResponseFactor}, {&settings.widthMaximum})},
    };
}

std::vector<RecordField> CHorrorCamObject::RecordFields() {
    std::vector<RecordField> fields = HideFields();
    fields.insert(fields.end(),
                  {{"aimAtTarget", aimAtTarget},
                   {"minimumFieldOfView", settings.minimumFieldOfView},
                   {"maximumFieldOfView", settings.maximumFieldOfView},
                   {"minimumDepth", settings.minimumDepth},
                   {"widthResponseFactor", settings.widthResponseFactor},
                   {"widthMaximum", settings.widthMaximum},
                   StateRecordField(
                       "zoomStates", record, [](auto& s, auto&& field) { VisitDollyZoomState(s, field); },
                       ValidState)});
    return fields;
}

} // namespace vex::orb::addon
