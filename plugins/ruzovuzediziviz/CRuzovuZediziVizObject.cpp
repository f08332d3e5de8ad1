#include "plugins/ruzovuzediziviz/CRuzovuZediziVizObject.h"

#include "interface/CVariableModUndo.h"
#include "plugins/common/ToolEvents.h"
#include "plugins/common/ToolRecord.h"
#include "util/DataChunk.h"

#include <string_view>
#include <vector>

namespace vex::orb::addon {
namespace {

using FilterMemory = util::AVar_Nearest<util::QTransform<double>>;

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

// Every spinner of the page: 0 to 1e18 in steps of 0.01, shown with one decimal, with an input channel.
constexpr double kSpinnerMin = 0.0;
constexpr double kSpinnerMax = 1e18;
constexpr double kSpinnerStep = 0.01;
constexpr int32_t kSpinnerDecimals = 1;

constexpr const char* kFixateTranslationsHelp = "Fixates the camera's translations, ie no filtering";
constexpr const char* kFixateRotationsHelp = "Fixates the camera's rotations, ie no filtering";
constexpr const char* kSmoothingHelp =
    "This factor determines how much the camera will smooth out rebounces at a stop";

} // namespace

CRuzovuZediziVizObject::CRuzovuZediziVizObject(const CreateParam& param)
    : CCamera(param), attachedCam(this), followCam(this, attachedCam) {}

void CRuzovuZediziVizObject::begin(double t) {
    core->addUndo(new CVariableModUndo<FilterMemory>(&filterMemory));
    if (firstTime) {
        followCam.linearVelocity = {};
        filterMemory.set(t, followCam.getFilterState());
    } else {
        followCam.setFilterState(filterMemory.get(t));
    }
    filterMemory.truncateFrom(t + core->getFrameDuration());
    firstTime = false;
}

void CRuzovuZediziVizObject::step(double t) {
    if (reinitializeRequested) {
        followCam.linearVelocity = {};
        followCam.angularVelocity = {};
        reinitializeRequested = false;
    }
    attachedCam.update(t);
    followCam.update(t);
    filterMemory.set(t, followCam.getFilterState());
}

void CRuzovuZediziVizObject::timeChanged(double t) {
    (void)t;
    core->refreshConfiguration();
}

int CRuzovuZediziVizObject::buildConfiguration() {
    CRuzovuZediziVizNode& f = followCam;
    const auto spinner = [this](const char* label, const char* help, double* value) {
        core->addSpinner(label, help, value, kSpinnerMin, kSpinnerMax, kSpinnerStep, kSpinnerDecimals, true,
                         0, this);
    };
    core->beginConfiguration();
    core->beginGroup(kGroupName, "");
    core->addCheckBox("Fixate Translations", kFixateTranslationsHelp, &f.fixateTranslations, this);
    spinner("Translation Response Factor",
            "This factor determines how fast the camera should react to changes in position",
            &f.translationResponseFactor);
    spinner("Translation Smoothing Factor", kSmoothingHelp, &f.translationSmoothingFactor);
    spinner("Translation Max Velocity",
            "This factor determines the maximum translation velocity of the camera",
            &f.translationMaxVelocity);
    core->addCheckBox("Fixate Rotations", kFixateRotationsHelp, &f.fixateRotations, this);
    spinner("Rotation Response Factor",
            "This factor determines how fast the camera should react to changes in rotation",
            &f.rotationResponseFactor);
    spinner("Rotation Smoothing Factor", kSmoothingHelp, &f.rotationSmoothingFactor);
    spinner("Rotation Max Velocity", "This factor determines the maximum rotation velocity of the camera",
            &f.rotationMaxVelocity);
    core->addButton(kReinitialize, "Starts the camera's filter from rest at the next step", this);
    core->endGroup();
    core->endConfiguration();
    core->refreshConfiguration();
    return 0;
}

int CRuzovuZediziVizObject::initialize() {
    followCam.create();
    attachedCam.create();
    core->refreshConfiguration();
    return 0;
}

int CRuzovuZediziVizObject::restore() {
    // Both are looked up, so every missing camera is reported.
    const bool followFound = followCam.find();
    const bool attachedFound = attachedCam.find();
    if (const std::optional<util::DataChunk> record = ReadToolRecord(core)) {
        CRuzovuZediziVizNode& f = followCam;
        ReadBool(record->FindChild(kFirstTimeKey), firstTime);
        ReadSerializedField(record->FindChild(kMemoryKey), filterMemory);
        record->FindChild(kTranslationResponseKey).Read(f.translationResponseFactor);
        record->FindChild(kRotationResponseKey).Read(f.rotationResponseFactor);
        record->FindChild(kTranslationSmoothingKey).Read(f.translationSmoothingFactor);
        record->FindChild(kRotationSmoothingKey).Read(f.rotationSmoothingFactor);
        record->FindChild(kTranslationMaxVelKey).Read(f.translationMaxVelocity);
        record->FindChild(kRotationMaxVelKey).Read(f.rotationMaxVelocity);
        ReadBool(record->FindChild(kFixateTranslationsKey), f.fixateTranslations);
        ReadBool(record->FindChild(kFixateRotationsKey), f.fixateRotations);
    }
    core->refreshConfiguration();
    return followFound && attachedFound ? 0 : 1;
}

int CRuzovuZediziVizObject::store() {
    const CRuzovuZediziVizNode& f = followCam;
    util::DataChunk record(kChunkName, nullptr, 0);
    record.AddChild(util::DataChunk::Make(kFirstTimeKey, firstTime));
    record.AddChild(SerializedField(kMemoryKey, filterMemory));
    record.AddChild(util::DataChunk::Make(kTranslationResponseKey, f.translationResponseFactor));
    record.AddChild(util::DataChunk::Make(kRotationResponseKey, f.rotationResponseFactor));
    record.AddChild(util::DataChunk::Make(kTranslationSmoothingKey, f.translationSmoothingFactor));
    record.AddChild(util::DataChunk::Make(kRotationSmoothingKey, f.rotationSmoothingFactor));
    record.AddChild(util::DataChunk::Make(kTranslationMaxVelKey, f.translationMaxVelocity));
    record.AddChild(util::DataChunk::Make(kRotationMaxVelKey, f.rotationMaxVelocity));
    record.AddChild(util::DataChunk::Make(kFixateTranslationsKey, f.fixateTranslations));
    record.AddChild(util::DataChunk::Make(kFixateRotationsKey, f.fixateRotations));
    WriteToolRecord(core, record);
    return 0;
}

void CRuzovuZediziVizObject::onEvent(std::string name) {
    const ToolEvent event = ParseToolEvent(name);
    // An undo or redo event names a change the page already shows again; nothing more to do.
    if (event.undo || event.redo) return;
    if (event.item == kReinitialize) reinitializeRequested = true;
}

} // namespace vex::orb::addon
