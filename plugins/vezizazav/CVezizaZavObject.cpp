#include "plugins/vezizazav/CVezizaZavObject.h"

#include "plugins/common/HideDuringRecording.h"
#include "plugins/common/MatrixAccess.h"
#include "plugins/common/ToolEvents.h"
#include "util/Rotation.h"

#include <string_view>
#include <utility>
#include <vector>

namespace vex::orb::addon {
namespace {

constexpr std::string_view kSaveStructKey = "sDataChunkSaveStruct";
constexpr std::string_view kFirstTimeKey = "bFirstTime";
constexpr std::string_view kMemoryKey = "ancVezizaZavNodeqTransMem";
constexpr std::string_view kTranslationResponseKey = "cVezizaZavNodetranslationalResponseFactor";
constexpr std::string_view kRotationResponseKey = "cVezizaZavNoderotationalResponseFactor";

// Both spinners: 1e-8 to 100 in steps of 0.001, shown with one decimal, with an input channel.
SpinnerItem ResponseSpinner(std::string name, std::string help, double& value,
                            CInterface::Callback* callback) {
    return {.name = std::move(name),
            .help = std::move(help),
            .value = &value,
            .min = 1e-8,
            .max = 100.0,
            .step = 0.001,
            .setting = 1,
            .channel = true,
            .callback = callback};
}

} // namespace

void CVezizaZavObject::StartFollowing(double t) {
    // Recorded like every later state, so a re-simulation from this time starts the same way.
    util::Matrix<double> attached;
    ReadWorldMatrix(core, attachedCam.node, t, attached);
    followCam.SetState(util::ToQTransform(attached));
}

ToolPage CVezizaZavObject::Page() {
    return {
        {.name = "General Modes",
         .items = {ButtonItem{.name = kReinitialize,
                              .help = "Re-initializes the camera position and orientation.",
                              .callback = this},
                   CheckBoxItem{.name = kHideAttachedCam, .value = &hideAttachedCam, .callback = this},
                   CheckBoxItem{.name = kHideFollowCam, .value = &hideFollowCam, .callback = this}}},
        {.name = "Camera Parameters",
         .items = {ResponseSpinner(
                       "Translation Response Factor",
                       "This factor determines how fast the camera should react to changes in position",
                       followCam.translationResponseFactor, this),
                   ResponseSpinner(
                       "Rotation Response Factor",
                       "This factor determines how fast the camera should react to changes in rotation",
                       followCam.rotationResponseFactor, this)}},
    };
}

std::vector<RecordField> CVezizaZavObject::RecordFields() {
    return {{kSaveStructKey, {&hideAttachedCam, &hideFollowCam}},
            {kFirstTimeKey, firstTime},
            {kMemoryKey, memory},
            {kTranslationResponseKey, followCam.translationResponseFactor},
            {kRotationResponseKey, followCam.rotationResponseFactor}};
}

void CVezizaZavObject::onEvent(std::string name) {
    const ToolEvent event = ParseToolEvent(name);
    bool* flag = event.item == kHideAttachedCam ? &hideAttachedCam
                 : event.item == kHideFollowCam ? &hideFollowCam
                                                : nullptr;
    if (flag != nullptr) {
        // The page has already written the new value; an undo or redo of it flips it back or forth.
        if (event.undo || event.redo)
            *flag = !*flag;
        else
            RegisterEventUndo(core, this, event.item);
        ApplyVisibility();
        core->refreshView();
        if (event.undo || event.redo) core->refreshConfiguration();
        return;
    }
    if (event.undo || event.redo) return;
    if (event.item == kReinitialize) firstTime = true;
}

void CVezizaZavObject::ApplyVisibility() {
    SetVisible(attachedCam, !hideAttachedCam);
    SetVisible(followCam, !hideFollowCam);
}

} // namespace vex::orb::addon
