#include "plugins/vezizazav/CVezizaZavObject.h"

#include "interface/CVariableModUndo.h"
#include "plugins/common/HideDuringRecording.h"
#include "plugins/common/ToolEvents.h"
#include "plugins/common/ToolRecord.h"
#include "plugins/common/MatrixAccess.h"
#include "util/DataChunk.h"
#include "util/Rotation.h"

#include <array>
#include <string_view>
#include <vector>

namespace vex::orb::addon {
namespace {

using MemoryRecord = util::AVar_Nearest<util::QTransform<double>>;

constexpr std::string_view kSaveStructKey = "sDataChunkSaveStruct";
constexpr std::string_view kFirstTimeKey = "bFirstTime";
constexpr std::string_view kMemoryKey = "ancVezizaZavNodeqTransMem";
constexpr std::string_view kTranslationResponseKey = "cVezizaZavNodetranslationalResponseFactor";
constexpr std::string_view kRotationResponseKey = "cVezizaZavNoderotationalResponseFactor";

// Both spinners: 1e-8 to 100 in steps of 0.001, shown with one decimal, with an input channel.
constexpr double kSpinnerMin = 1e-8;
constexpr double kSpinnerMax = 100.0;
constexpr double kSpinnerStep = 0.001;
constexpr int32_t kSpinnerDecimals = 1;

} // namespace

CVezizaZavObject::CVezizaZavObject(const CreateParam& param)
    : CCamera(param), attachedCam(this), followCam(this, attachedCam) {}

void CVezizaZavObject::begin(double t) {
    core->addUndo(new CVariableModUndo<MemoryRecord>(&memoryRecord));
    if (firstTime) {
        // The very first run starts the intermediate stage on the AttachedCam, and records it, so a
        // re-simulation from this time starts the same way.
        util::Matrix<double> attached;
        ReadWorldMatrix(core, attachedCam.node, t, attached);
        followCam.setIntermediatePose(util::ToQTransform(attached));
        memoryRecord.set(t, followCam.getIntermediatePose());
    } else {
        followCam.setIntermediatePose(memoryRecord.get(t));
    }
    memoryRecord.truncateFrom(t + core->getFrameDuration());
    firstTime = false;
}

void CVezizaZavObject::step(double t) {
    attachedCam.update(t);
    followCam.update(t);
    memoryRecord.set(t, followCam.getIntermediatePose());
}

void CVezizaZavObject::timeChanged(double t) {
    (void)t;
    core->refreshConfiguration();
}

int CVezizaZavObject::buildConfiguration() {
    core->beginConfiguration();
    core->beginGroup("General Modes", "");
    core->addButton(kReinitialize, "Re-initializes the camera position and orientation.", this);
    core->addCheckBox(kHideAttachedCam, "", &hideAttachedCam, this);
    core->addCheckBox(kHideFollowCam, "", &hideFollowCam, this);
    core->endGroup();
    core->beginGroup("Camera Parameters", "");
    core->addSpinner("Translation Response Factor",
                     "This factor determines how fast the camera should react to changes in position",
                     &followCam.translationResponseFactor, kSpinnerMin, kSpinnerMax, kSpinnerStep,
                     kSpinnerDecimals, true, 0, this);
    core->addSpinner("Rotation Response Factor",
                     "This factor determines how fast the camera should react to changes in rotation",
                     &followCam.rotationResponseFactor, kSpinnerMin, kSpinnerMax, kSpinnerStep,
                     kSpinnerDecimals, true, 0, this);
    core->endGroup();
    core->endConfiguration();
    core->refreshConfiguration();
    return 0;
}

int CVezizaZavObject::initialize() {
    followCam.create();
    attachedCam.create();
    core->refreshConfiguration();
    return 0;
}

int CVezizaZavObject::restore() {
    // Both are looked up, so every missing camera is reported.
    const bool followFound = followCam.find();
    const bool attachedFound = attachedCam.find();
    if (const std::optional<util::DataChunk> record = ReadToolRecord(core)) {
        const util::DataChunk& settings = record->FindChild(kSaveStructKey);
        if (settings.GetSize() == kSaveStructSize) {
            hideAttachedCam = settings.GetData()[0] != 0;
            hideFollowCam = settings.GetData()[1] != 0;
        }
        ReadBool(record->FindChild(kFirstTimeKey), firstTime);
        ReadSerializedField(record->FindChild(kMemoryKey), memoryRecord);
        record->FindChild(kTranslationResponseKey).Read(followCam.translationResponseFactor);
        record->FindChild(kRotationResponseKey).Read(followCam.rotationResponseFactor);
    }
    core->refreshConfiguration();
    return followFound && attachedFound ? 0 : 1;
}

int CVezizaZavObject::store() {
    util::DataChunk record(kChunkName, nullptr, 0);
    const std::array<uint8_t, kSaveStructSize> settings{static_cast<uint8_t>(hideAttachedCam ? 1 : 0),
                                                        static_cast<uint8_t>(hideFollowCam ? 1 : 0)};
    record.AddChild(util::DataChunk(kSaveStructKey, settings.data(), settings.size()));
    record.AddChild(util::DataChunk::Make(kFirstTimeKey, firstTime));
    record.AddChild(SerializedField(kMemoryKey, memoryRecord));
    record.AddChild(util::DataChunk::Make(kTranslationResponseKey, followCam.translationResponseFactor));
    record.AddChild(util::DataChunk::Make(kRotationResponseKey, followCam.rotationResponseFactor));
    WriteToolRecord(core, record);
    return 0;
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
        applyVisibility();
        core->refreshView();
        if (event.undo || event.redo) core->refreshConfiguration();
        return;
    }
    if (event.undo || event.redo) return;
    if (event.item == kReinitialize) firstTime = true;
}

void CVezizaZavObject::applyVisibility() {
    SetVisible(attachedCam, !hideAttachedCam);
    SetVisible(followCam, !hideFollowCam);
}

} // namespace vex::orb::addon
