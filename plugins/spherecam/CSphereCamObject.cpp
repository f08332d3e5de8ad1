#include "plugins/spherecam/CSphereCamObject.h"

#include "interface/CNode.h"
#include "interface/CVariableModUndo.h"
#include "plugins/common/CActionUndo.h"
#include "plugins/common/InputSettingItems.h"
#include "plugins/common/MatrixAccess.h"
#include "plugins/common/PoseMatch.h"
#include "plugins/common/StateRecordCodec.h"
#include "plugins/common/ToolEvents.h"
#include "unidevice/ControlKind.h"
#include "unidevice/Property.h"

#include <string_view>

namespace vex::orb::addon {
namespace {

// The rates need a direction: axes, hat halves or two keys.
constexpr uint32_t kRateKinds =
    unidevice::kTrinaryControl | unidevice::kFiniteControl | unidevice::kInfiniteControl;

// Saved keys of each input's response factor and maximum, in input order.
constexpr std::array<std::string_view, kSphereInputCount> kResponseKeys{
    "longitudeResponseFactor", "latitudeResponseFactor", "radiusResponseFactor", "rollResponseFactor"};
constexpr std::array<std::string_view, kSphereInputCount> kMaximumKeys{"longitudeMaximum", "latitudeMaximum",
                                                                       "radiusMaximum", "rollMaximum"};

bool ValidState(const SphereState& state) {
    return state.position.radius > 0.0;
}

} // namespace

CSphereCamObject::CSphereCamObject(const CreateParam& param)
    : CToolObject(param, {&target, &camera}), target(this, nullptr), camera(this) {}

void CSphereCamObject::DeclareChannels() {
    for (std::size_t k = 0; k < kSphereInputCount; ++k)
        channels[k] = core->addInputChannel(kInputNames[k], kRateKinds, &channelFactory_);
}

util::Matrix<double> CSphereCamObject::CameraWorld(double t, const SpherePosition& place) const {
    // Without a target the sphere is centred on the world's origin.
    util::Matrix<double> targetWorld;
    ReadWorldMatrix(core, target.node, t, targetWorld);
    return OrbitMatrix(place) * SphereFrame(targetWorld, gyroMode);
}

void CSphereCamObject::PlaceCamera(double t) {
    camera.worldMatrix = CameraWorld(t, position);
    camera.update(t);
    Shown();
}

void CSphereCamObject::Shown() {
    shown_ = {position, gyroMode};
}

void CSphereCamObject::Created() {
    if (camera.node != nullptr) camera.node->select();
    PlaceCamera(core->getCurrentTime());
}

void CSphereCamObject::Restored(bool fromRecord) {
    (void)fromRecord;
    Shown();
}

void CSphereCamObject::begin(double t) {
    core->addUndo(new CVariableModUndo<StateRecord<SphereState>>(&record));
    const SphereState* recorded = RecordedNear(record, t, core->getFrameDuration());
    state = recorded != nullptr ? *recorded : SphereState{Limited(position, settings), {}};
    record.TruncateAfter(t);
    record.Set(t, state);
    position = state.position;
    Shown();
    if (hideHelpersDuringRecording) hiddenForTake_.hide({&target});
}

void CSphereCamObject::end() {
    CToolObject::end();
    hiddenForTake_.restore();
}

void CSphereCamObject::step(double t) {
    SphereInputs raw{};
    for (std::size_t k = 0; k < kSphereInputCount; ++k)
        raw[k] = channels[k] != nullptr ? channels[k]->getValue() : 0.0;
    StepSphere(state, raw, settings, core->getFrameDuration());
    record.Set(t, state);
    position = state.position;
    PlaceCamera(t);
}

void CSphereCamObject::timeChanged(double t) {
    if (const SphereState* recorded = record.Nearest(t)) position = recorded->position;
    Shown();
    core->refreshConfiguration();
}

ToolPage CSphereCamObject::Page() {
    const auto check = [this](const char* name, bool& value, bool withCallback) {
        return CheckBoxItem{
            .name = name, .help = name, .value = &value, .callback = withCallback ? this : nullptr};
    };
    const auto spinner = [this](const char* name, double& value, double min, double max, double step) {
        return SpinnerItem{.name = name,
                           .help = name,
                           .value = &value,
                           .min = min,
                           .max = max,
                           .step = step,
                           .setting = 1,
                           .callback = this};
    };
    std::vector<double*> responseFactors, maxima;
    for (std::size_t k = 0; k < kSphereInputCount; ++k) {
        responseFactors.push_back(&settings.responseFactors[k]);
        maxima.push_back(&settings.maxima[k]);
    }
    return {
        {.name = "General Modes",
         .items = {check(kHideHelpers, hideHelpers, true),
                   check(kHideHelpersDuringRecording, hideHelpersDuringRecording, false)}},
        {.name = "Camera Modes", .items = {check(kGyroMode, gyroMode, true)}},
        {.name = "Sphere Position",
         .items = {spinner(kLongitude, position.longitude, -180.0, 180.0, 1.0),
                   spinner(kLatitude, position.latitude, -90.0, 90.0, 1.0),
                   spinner(kRadius, position.radius, 1e-6, 1e16, 0.1),
                   spinner(kRoll, position.roll, -180.0, 180.0, 1.0)}},
        {.name = "Sphere Limits",
         .items = {spinner(kLatitudeLimit, settings.latitudeLimit, 0.0, 90.0, 1.0),
                   spinner(kMinimumRadius, settings.minimumRadius, 1e-6, 1e16, 0.01)}},
        {.name = "Input Property Parameters",
         .items = InputSettingItems({kInputNames.begin(), kInputNames.end()}, responseFactors, maxima)},
    };
}

std::vector<RecordField> CSphereCamObject::RecordFields() {
    std::vector<RecordField> fields{{"hideHelpers", hideHelpers},
                                    {"hideHelpersDuringRecording", hideHelpersDuringRecording},
                                    {"gyroMode", gyroMode},
                                    {"longitude", position.longitude},
                                    {"latitude", position.latitude},
                                    {"radius", position.radius},
                                    {"roll", position.roll},
                                    {"latitudeLimit", settings.latitudeLimit},
                                    {"minimumRadius", settings.minimumRadius}};
    for (std::size_t k = 0; k < kSphereInputCount; ++k) {
        fields.emplace_back(kResponseKeys[k], settings.responseFactors[k]);
        fields.emplace_back(kMaximumKeys[k], settings.maxima[k]);
    }
    fields.push_back(StateRecordField(
        "sphereStates", record, [](auto& s, auto&& field) { VisitSphereState(s, field); }, ValidState));
    return fields;
}

void CSphereCamObject::onEvent(std::string name) {
    const ToolEvent event = ParseToolEvent(name);
    if (event.undo || event.redo) {
        // The page has put the flag back; the target follows it.
        SetVisible(target, !hideHelpers);
        core->refreshView();
        return;
    }
    if (name == kHideHelpers) {
        SetVisible(target, !hideHelpers);
        RegisterEventUndo(core, this, name);
        core->refreshView();
        return;
    }
    // A new place, mode or limit: the camera goes there now, and a take started at a recorded frame here
    // starts at rest from it. Undo puts the place, the mode and that frame back and the camera with
    // them, whatever order the host undoes the page's own record of the value in.
    const double now = core->getCurrentTime();
    position = Limited(position, settings);
    const Placement before{shown_.position, name == kGyroMode ? shown_.gyroMode : gyroMode};
    const Placement after{position, gyroMode};
    const auto recorded = FrameNear(record.Frames(), now, core->getFrameDuration());
    const bool atFrame = recorded != record.Frames().end();
    const double frameTime = atFrame ? recorded->time : now;
    const SphereState frameBefore = atFrame ? recorded->state : SphereState{};
    const SphereState frameAfter{after.position, {}};
    struct Change {
        Placement placement;
        SphereState frame;
    };
    ApplyUndoably(core, Change{before, frameBefore}, Change{after, frameAfter},
                  [this, now, atFrame, frameTime](const Change& change) {
                      position = change.placement.position;
                      gyroMode = change.placement.gyroMode;
                      if (atFrame) record.Set(frameTime, change.frame);
                      PlaceCamera(now);
                      core->refreshConfiguration();
                      core->refreshView();
                  });
}

} // namespace vex::orb::addon
