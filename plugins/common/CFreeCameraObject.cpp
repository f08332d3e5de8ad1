#include "plugins/common/CFreeCameraObject.h"

#include "plugins/common/CameraPose.h"
#include "plugins/common/HideDuringRecording.h"
#include "plugins/common/InputSettingItems.h"
#include "plugins/common/ToolEvents.h"
#include "unidevice/Property.h"

#include <utility>

namespace vex::orb::addon {

CFreeCameraObject::CFreeCameraObject(const CreateParam& param, CFreeCameraNode& camera, CHumanoidNode& figure)
    : CToolObject(param, {&camera, &figure}), camera_(camera), figure_(figure) {}

void CFreeCameraObject::SetExponents(unidevice::Property** channels, std::size_t count, double exponent) {
    for (std::size_t k = 0; k < count; ++k)
        if (channels[k] != nullptr) channels[k]->SetExponent(exponent);
}

bool CFreeCameraObject::TakeLens(double t) {
    if (!camera_.ReadLens(t, fieldOfView, targetDistance)) return false;
    lastFieldOfView = fieldOfView;
    lastTargetDistance = targetDistance;
    return true;
}

void CFreeCameraObject::BeginCamera(double t) {
    relativeScale = camera_.XRowLength(t, relativeScale);
    TakeLens(t + core->getFrameDuration());
    if (hideHelpersDuringRecording || hideHelpers) figure_.hide();
}

void CFreeCameraObject::WriteCamera(double t, const util::Vector3<double>& position,
                                    const util::Quat<double>& rotation) {
    camera_.position = position;
    camera_.rotation = rotation;
    camera_.scale = relativeScale;
    camera_.update(t);
    const bool newFieldOfView = fieldOfView != lastFieldOfView;
    const bool newTargetDistance = targetDistance != lastTargetDistance;
    camera_.WriteLens(t, newFieldOfView, fieldOfView, newTargetDistance, targetDistance);
    lastFieldOfView = fieldOfView;
    lastTargetDistance = targetDistance;
}

void CFreeCameraObject::end() {
    CToolObject::end();
    if (hideHelpersDuringRecording && !hideHelpers) figure_.show();
}

void CFreeCameraObject::timeChanged(double t) {
    relativeScale = camera_.XRowLength(t, relativeScale);
    core->refreshConfiguration();
}

void CFreeCameraObject::Created() {
    if (camera_.node != nullptr) camera_.node->select();
    // The page starts with the new camera's lens; the first run reads it again.
    TakeLens(core->getCurrentTime());
}

void CFreeCameraObject::ApplyVisibility() {
    SetVisible(figure_, !hideHelpers);
    SetVisible(camera_, !hideCamera);
}

void CFreeCameraObject::onEvent(std::string name) {
    const ToolEvent event = ParseToolEvent(name);
    if (event.undo || event.redo) {
        // The page has put the flags back; the nodes follow them.
        ApplyVisibility();
        core->refreshView();
        return;
    }
    if (name == kHideHelpers || name == kHideCamera) {
        if (name == kHideHelpers)
            SetVisible(figure_, !hideHelpers);
        else
            SetVisible(camera_, !hideCamera);
        RegisterEventUndo(core, this, name);
        core->refreshView();
    } else if (name == kRelativeScale) {
        const double now = core->getCurrentTime();
        util::Matrix<double> local;
        if (!camera_.ReadMatrix(now, local)) return;
        RescaleBasis(local, {relativeScale, relativeScale, relativeScale});
        camera_.WriteMatrix(now, local);
    }
}

std::vector<PageItem> CFreeCameraObject::HideItems() {
    const auto check = [](const char* name, bool& value, CInterface::Callback* callback) {
        return CheckBoxItem{.name = name, .help = name, .value = &value, .callback = callback};
    };
    return {check(kHideHelpers, hideHelpers, this),
            check(kHideHelpersDuringRecording, hideHelpersDuringRecording, nullptr),
            check(kHideCamera, hideCamera, this)};
}

SpinnerItem CFreeCameraObject::CameraSpinner(const char* name, double& value, double min, double max,
                                             double step, bool withCallback) {
    return ChannelSpinner(name, name, value, min, max, step, withCallback ? this : nullptr);
}

std::vector<PageItem> CFreeCameraObject::InputItems(const std::vector<const char*>& names,
                                                    const std::vector<double*>& responseFactors,
                                                    const std::vector<double*>& maxima) {
    return InputSettingItems(names, responseFactors, maxima);
}

} // namespace vex::orb::addon
