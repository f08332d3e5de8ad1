#include "plugins/autofocuscam/CAutoFocusCamObject.h"

#include "interface/CNode.h"
#include "plugins/common/ChannelValue.h"
#include "plugins/common/HelperToggle.h"
#include "plugins/common/InputSettingItems.h"
#include "plugins/common/MatrixAccess.h"
#include "plugins/common/RecordedTake.h"
#include "plugins/common/StateRecordCodec.h"
#include "unidevice/ControlKind.h"

namespace vex::orb::addon {
namespace {

// The zoom needs a direction: axes, hat halves or two keys.
constexpr uint32_t kZoomKinds =
    unidevice::kTrinaryControl | unidevice::kFiniteControl | unidevice::kInfiniteControl;
// The focal position is a place between the targets: a slider or axis, or a button for target 2.
constexpr uint32_t kFocalKinds = unidevice::kBinaryControl | unidevice::kFiniteControl;

// Where new targets stand in front of the new camera.
constexpr double kTarget1Distance = 5.0;
constexpr double kTarget2Distance = 15.0;

bool ValidState(const FocusPullState& state) {
    return state.fieldOfView > 0.0;
}

} // namespace

CAutoFocusCamObject::CAutoFocusCamObject(const CreateParam& param)
    : CToolObject(param, {&camera, &target1, &target2, &focalPoint}), camera(this, "AutoFocusCam", true),
      target1(this), target2(this), focalPoint(this) {}

void CAutoFocusCamObject::DeclareChannels() {
    zoomChannel = core->addInputChannel(kZoomInput, kZoomKinds, &channelFactory_);
    focalChannel = core->addInputChannel(kFocalInput, kFocalKinds, &channelFactory_);
}

void CAutoFocusCamObject::Created() {
    const double now = core->getCurrentTime();
    target1.localMatrix.m[3][2] = -kTarget1Distance;
    target1.update(now);
    target2.localMatrix.m[3][2] = -kTarget2Distance;
    target2.update(now);
    if (camera.node != nullptr) camera.node->select();
    state = FreshState(now);
    PlaceFocus(now);
}

FocusPullState CAutoFocusCamObject::FreshState(double t) const {
    double fieldOfView = state.fieldOfView, focusDistance = 0.0;
    camera.ReadLens(t, fieldOfView, focusDistance);
    return StartFocusPull(fieldOfView, WantedFocalPosition(ChannelValue(focalChannel), settings));
}

util::Vector3<double> CAutoFocusCamObject::FocalPoint(double t, double u) const {
    const util::Vector3<double> p1 = WorldPosition(core, target1.node, t);
    const util::Vector3<double> p2 = WorldPosition(core, target2.node, t);
    return p1 + (p2 - p1) * u;
}

void CAutoFocusCamObject::PlaceFocus(double t) {
    const util::Vector3<double> point = FocalPoint(t, state.FocalPosition());
    focalPoint.localMatrix.m[3][0] = point.x;
    focalPoint.localMatrix.m[3][1] = point.y;
    focalPoint.localMatrix.m[3][2] = point.z;
    focalPoint.update(t);
    const double distance = util::Length(point - WorldPosition(core, camera.node, t));
    camera.WriteLens(t, true, state.fieldOfView, true, distance);
}

void CAutoFocusCamObject::begin(double t) {
    BeginRecordedTake(core, record, state, t, [this, t] { return FreshState(t); });
    if (hideHelpersDuringRecording) hiddenForTake_.hide({&target1, &target2, &focalPoint});
}

void CAutoFocusCamObject::end() {
    CToolObject::end();
    hiddenForTake_.restore();
}

void CAutoFocusCamObject::step(double t) {
    StepFocusPull(state, ChannelValue(zoomChannel), ChannelValue(focalChannel), settings,
                  core->getFrameDuration());
    record.Set(t, state);
    PlaceFocus(t);
}

ToolPage CAutoFocusCamObject::Page() {
    const auto spinner = [](const char* name, double& value, double min, double max, double step) {
        return SpinnerItem{.name = name, .help = name, .value = &value, .min = min, .max = max, .step = step};
    };
    return {
        HelperModes(hideHelpers, hideHelpersDuringRecording, this),
        {.name = "Camera Modes",
         .items = {CheckBoxItem{
             .name = kFreeFocalPosition, .help = kFreeFocalPosition, .value = &settings.freeFocalPosition}}},
        {.name = "Zoom Limits",
         .items = {spinner("Minimum Field Of View", settings.minimumFieldOfView, 0.01, 179.0, 0.1),
                   spinner("Maximum Field Of View", settings.maximumFieldOfView, 0.01, 179.0, 0.1)}},
        {.name = "Focal Point",
         .items = {spinner("Focal Position Response Factor", settings.focalResponseFactor, 0.0, 1.0, 0.01)}},
        {.name = "Input Property Parameters",
         .items = InputSettingItems({kZoomInput}, {&settings.zoomResponseFactor}, {&settings.zoomMaximum})},
    };
}

std::vector<RecordField> CAutoFocusCamObject::RecordFields() {
    std::vector<RecordField> fields = HelperFields(hideHelpers, hideHelpersDuringRecording);
    fields.insert(fields.end(),
                  {{"freeFocalPosition", settings.freeFocalPosition},
                   {"minimumFieldOfView", settings.minimumFieldOfView},
                   {"maximumFieldOfView", settings.maximumFieldOfView},
                   {"focalResponseFactor", settings.focalResponseFactor},
                   {"zoomResponseFactor", settings.zoomResponseFactor},
                   {"zoomMaximum", settings.zoomMaximum},
                   StateRecordField(
                       "focusStates", record, [](auto& s, auto&& field) { VisitFocusPullState(s, field); },
                       ValidState)});
    return fields;
}

void CAutoFocusCamObject::onEvent(std::string name) {
    ToggleHelpers(core, this, name, kHideHelpers, hideHelpers, {&target1, &target2, &focalPoint});
}

} // namespace vex::orb::addon
