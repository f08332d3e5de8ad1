#include "plugins/ruzovuzediziviz/CRuzovuZediziVizObject.h"

#include "plugins/common/ToolEvents.h"

#include <string_view>
#include <utility>
#include <vector>

namespace vex::orb::addon {
namespace {

constexpr std::string_view kFirstTimeKey = "bFirstTime";
constexpr std::string_view kMemoryKey = "ancRuzovuZediziVizNodeqTransMem";
constexpr std::string_view kTranslationResponseKey = "cRuzovuZediziVizNode.translationalResponseFactor";
constexpr std::string_view kRotationResponseKey = "cRuzovuZediziVizNode.rotationalResponseFactor";
constexpr std::string_view kTranslationSmoothingKey = "cRuzovuZediziVizNode.translationalSmoothingFactor";
constexpr std::string_view kRotationSmoothingKey = "cRuzovuZediziVizNode.rotationalSmoothingFactor";
constexpr std::string_view kTranslationMaxVelKey = "cRuzovuZediziVizNode.translationalMaxVel";
constexpr std::string_view kRotationMaxVelKey = "cRuzovuZediziVizNode.rotationalMaxVel";
constexpr std::string_view kFixateTranslationsKey = "cRuzovuZediziVizNode.bFixateTranslations";
constexpr std::string_view kFixateRotationsKey = "cRuzovuZediziVizNode.bFixateRotations";

constexpr const char* kFixateTranslationsHelp = "Fixates the camera's translations, ie no filtering";
constexpr const char* kFixateRotationsHelp = "Fixates the camera's rotations, ie no filtering";
constexpr const char* kSmoothingHelp =
    "This factor determines how much the camera will smooth out rebounces at a stop";

} // namespace

void CRuzovuZediziVizObject::StartFollowing(double t) {
    (void)t;
    followCam.linearVelocity = {};
}

void CRuzovuZediziVizObject::step(double t) {
    if (reinitializeRequested) {
        followCam.linearVelocity = {};
        followCam.angularVelocity = {};
        reinitializeRequested = false;
    }
    CFollowCamTool::step(t);
}

ToolPage CRuzovuZediziVizObject::Page() {
    CRuzovuZediziVizNode& f = followCam;
    return {{
        .name = kGroupName,
        .items =
            {CheckBoxItem{.name = "Fixate Translations",
                          .help = kFixateTranslationsHelp,
                          .value = &f.fixateTranslations,
                          .callback = this},
             FilterSpinner("Translation Response Factor",
                           "This factor determines how fast the camera should react to changes in position",
                           f.translationResponseFactor),
             FilterSpinner("Translation Smoothing Factor", kSmoothingHelp, f.translationSmoothingFactor),
             FilterSpinner("Translation Max Velocity",
                           "This factor determines the maximum translation velocity of the camera",
                           f.translationMaxVelocity),
             CheckBoxItem{.name = "Fixate Rotations",
                          .help = kFixateRotationsHelp,
                          .value = &f.fixateRotations,
                          .callback = this},
             FilterSpinner("Rotation Response Factor",
                           "This factor determines how fast the camera should react to changes in rotation",
                           f.rotationResponseFactor),
             FilterSpinner("Rotation Smoothing Factor", kSmoothingHelp, f.rotationSmoothingFactor),
             FilterSpinner("Rotation Max Velocity",
                           "This factor determines the maximum rotation velocity of the camera",
                           f.rotationMaxVelocity),
             ButtonItem{.name = kReinitialize,
                        .help = "Starts the camera's filter from rest at the next step",
                        .callback = this}},
    }};
}

SpinnerItem CRuzovuZediziVizObject::FilterSpinner(std::string name, std::string help, double& value) {
    // Every spinner of the page: 0 to 1e18 in steps of 0.01, shown with one decimal, with an input channel.
    return {.name = std::move(name),
            .help = std::move(help),
            .value = &value,
            .min = 0.0,
            .max = 1e18,
            .step = 0.01,
            .setting = 1,
            .channel = true,
            .callback = this};
}

std::vector<RecordField> CRuzovuZediziVizObject::RecordFields() {
    CRuzovuZediziVizNode& f = followCam;
    return {{kFirstTimeKey, firstTime},
            {kMemoryKey, memory},
            {kTranslationResponseKey, f.translationResponseFactor},
            {kRotationResponseKey, f.rotationResponseFactor},
            {kTranslationSmoothingKey, f.translationSmoothingFactor},
            {kRotationSmoothingKey, f.rotationSmoothingFactor},
            {kTranslationMaxVelKey, f.translationMaxVelocity},
            {kRotationMaxVelKey, f.rotationMaxVelocity},
            {kFixateTranslationsKey, f.fixateTranslations},
            {kFixateRotationsKey, f.fixateRotations}};
}

void CRuzovuZediziVizObject::onEvent(std::string name) {
    const ToolEvent event = ParseToolEvent(name);
    // An undo or redo event names a change the page already shows again; nothing more to do.
    if (event.undo || event.redo) return;
    if (event.item == kReinitialize) reinitializeRequested = true;
}

} // namespace vex::orb::addon
