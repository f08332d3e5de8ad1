#include "plugins/gyro/CGyroCam.h"

#include "interface/CNode.h"
#include "interface/ScopedSnapshot.h"
#include "plugins/common/ToolEvents.h"
#include "plugins/common/ToolRecord.h"
#include "util/DataChunk.h"

#include <string_view>
#include <vector>

namespace vex::orb::addon {
namespace {

// Saved keys, in the order of the record.
constexpr std::string_view kRotXKey = "gyroRotX";
constexpr std::string_view kRotYKey = "gyroRotY";
constexpr std::string_view kRotZKey = "gyroRotZ";
constexpr std::string_view kEnableKey = "gyroRotation";
constexpr std::string_view kPositionKeys[3] = {"projectX", "projectY", "projectZ"};
constexpr std::string_view kScaleKeys[3] = {"projectXScale", "projectYScale", "projectZScale"};
constexpr std::string_view kHideKey = "hideHelpers";
constexpr std::string_view kHideRecordingKey = "hideHelpersDuringRecording";
constexpr std::string_view kWireframeKey = "wireframeMode";

constexpr const char* kHideHelpers = "Hide Helpers";
constexpr const char* kWireframeMode = "Wireframe Mode";
constexpr const char* kAxisLabels[3] = {"Clone X-axis", "Clone Y-axis", "Clone Z-axis"};

// Display flags handed to the helpers for "Wireframe Mode" on and off.
constexpr int kShadedFlag = 0;
constexpr int kWireframeFlag = 1;

// Reads the one-byte flag `key` of the record.
void ReadFlag(const util::DataChunk& record, std::string_view key, bool& value) {
    ReadBool(record.FindChild(key), value);
}

// A one-byte flag field: 1 for on, 0 for off.
util::DataChunk Flag(std::string_view key, bool value) {
    return util::DataChunk::Make(key, static_cast<uint8_t>(value ? 1 : 0));
}

} // namespace

CGyroCam::CGyroCam(const CreateParam& param)
    : CCamera(param), pivot(this, "pivot"), gyro(this, "gyro"), eye(this, "eye") {}

std::string CGyroCam::restriction() const {
    if (restrictionIndex < 0 || restrictionIndex >= static_cast<int>(kRestrictions.size()))
        return kRestrictions[0];
    return kRestrictions[static_cast<size_t>(restrictionIndex)];
}

GyroSettings CGyroCam::settings() const {
    GyroSettings s;
    s.enableGyro = enableGyro;
    for (int i = 0; i < 3; ++i) {
        s.clonePosition[i] = clonePosition[i];
        s.cloneScale[i] = cloneScale[i];
    }
    return s;
}

void CGyroCam::begin(double t) {
    (void)t;
    if (hideHelpersDuringRecording) hiddenForTake.hide({&pivot, &gyro, &eye});
    const RotationFlags flags = rotationFlagsOfRestriction();
    rotateAboutX = flags.aboutX;
    rotateAboutY = flags.aboutY;
    rotateAboutZ = flags.aboutZ;
}

CGyroCam::RotationFlags CGyroCam::rotationFlagsOfRestriction() const {
    const std::string selected = restriction();
    return {selected == kRestrictions[2], selected == kRestrictions[1], selected == kRestrictions[3]};
}

void CGyroCam::end() {
    hiddenForTake.restore();
}

void CGyroCam::step(double t) {
    // A missing pivot or eye reads as the identity: the gyro then sits at the origin, or keeps the
    // pivot's frame without an eye to copy from.
    const util::Matrix<double> p = pivot.readWorld(t);
    ScopedSnapshot<CSnapshot> snapshot(core, gyro.node, t);
    if (!snapshot) return;
    util::Matrix<double> g;
    snapshot->getWorldMatrix(g);
    const util::Matrix<double> e = eye.readWorld(t);

    gyro.worldMatrix = GyroWorldMatrix(p, g, e, settings());
    snapshot->setWorldMatrix(gyro.worldMatrix);

    const GyroAxis axis = RestrictionAxis(rotateAboutX, rotateAboutY, rotateAboutZ);
    if (enableGyro && axis != GyroAxis::None) {
        util::Matrix<double> local;
        snapshot->getMatrix(local);
        gyro.localMatrix = RestrictRotation(local, axis);
        snapshot->setMatrix(gyro.localMatrix);
    }
}

void CGyroCam::timeChanged(double t) {
    (void)t;
    core->refreshConfiguration();
}

int CGyroCam::buildConfiguration() {
    core->beginConfiguration();
    core->beginGroup("General Modes", "");
    core->addCheckBox(kHideHelpers, "Hides the pivot, gyro and eye helpers", &hideHelpers, this);
    core->addCheckBox("Hide Helpers During Recording", "Hides the helpers while a take is recorded",
                      &hideHelpersDuringRecording, this);
    core->addCheckBox(kWireframeMode, "Shows the helpers as wireframes", &wireframeMode, this);
    core->endGroup();
    core->beginGroup("Gyro", "Specifies which axis the gyro should affect");
    core->addCheckBox("Enable Gyro", "Enables rotational gyro effect", &enableGyro, this);
    core->addComboBox("Gyro Restriction", "Specifies the gyro restriction",
                      std::vector<std::string>(kRestrictions.begin(), kRestrictions.end()), &restrictionIndex,
                      this);
    core->endGroup();
    core->beginGroup("Clone Eye's Position", "Clone Position from Eye.");
    for (int i = 0; i < 3; ++i) core->addCheckBox(kAxisLabels[i], "", &clonePosition[i], this);
    core->endGroup();
    core->beginGroup("Clone Eye's Scale", "Clone Scale from Eye.");
    for (int i = 0; i < 3; ++i) core->addCheckBox(kAxisLabels[i], "", &cloneScale[i], this);
    core->endGroup();
    core->endConfiguration();
    core->refreshConfiguration();
    return 0;
}

int CGyroCam::initialize() {
    pivot.create();
    gyro.create();
    eye.create();
    applyLook();
    core->refreshConfiguration();
    return 0;
}

int CGyroCam::restore() {
    // All three are looked up, so every missing helper is reported.
    const bool pivotFound = pivot.find();
    const bool gyroFound = gyro.find();
    const bool eyeFound = eye.find();
    if (const std::optional<util::DataChunk> record = ReadToolRecord(core)) {
        ReadFlag(*record, kRotXKey, rotateAboutX);
        ReadFlag(*record, kRotYKey, rotateAboutY);
        ReadFlag(*record, kRotZKey, rotateAboutZ);
        ReadFlag(*record, kEnableKey, enableGyro);
        for (int i = 0; i < 3; ++i) ReadFlag(*record, kPositionKeys[i], clonePosition[i]);
        for (int i = 0; i < 3; ++i) ReadFlag(*record, kScaleKeys[i], cloneScale[i]);
        ReadFlag(*record, kHideKey, hideHelpers);
        ReadFlag(*record, kHideRecordingKey, hideHelpersDuringRecording);
        ReadFlag(*record, kWireframeKey, wireframeMode);
        selectRestrictionFromFlags();
    }
    applyLook();
    core->refreshConfiguration();
    return pivotFound && gyroFound && eyeFound ? 0 : 1;
}

int CGyroCam::store() {
    // The record keeps no restriction of its own, only the flags it gives; they are written from the
    // selected item, so a restriction chosen since the last take comes back with the scene.
    const RotationFlags flags = rotationFlagsOfRestriction();
    util::DataChunk record(kChunkName, nullptr, 0);
    record.AddChild(Flag(kRotXKey, flags.aboutX));
    record.AddChild(Flag(kRotYKey, flags.aboutY));
    record.AddChild(Flag(kRotZKey, flags.aboutZ));
    record.AddChild(Flag(kEnableKey, enableGyro));
    for (int i = 0; i < 3; ++i) record.AddChild(Flag(kPositionKeys[i], clonePosition[i]));
    for (int i = 0; i < 3; ++i) record.AddChild(Flag(kScaleKeys[i], cloneScale[i]));
    record.AddChild(Flag(kHideKey, hideHelpers));
    record.AddChild(Flag(kHideRecordingKey, hideHelpersDuringRecording));
    record.AddChild(Flag(kWireframeKey, wireframeMode));
    WriteToolRecord(core, record);
    return 0;
}

void CGyroCam::onEvent(std::string name) {
    // An undo or redo names the item whose value came back; it is handled like the change itself.
    const ToolEvent event = ParseToolEvent(name);
    if (event.item == kHideHelpers || event.item == kWireframeMode) applyLook();
}

void CGyroCam::applyLook() {
    CGyroHelperNode* nodes[3] = {&pivot, &gyro, &eye};
    for (CGyroHelperNode* n : nodes) {
        SetVisible(*n, !hideHelpers);
        n->setDisplayFlag(wireframeMode ? kWireframeFlag : kShadedFlag);
    }
}

void CGyroCam::selectRestrictionFromFlags() {
    // The restriction itself is not saved; the rotation flags set from it at the last begin are, and
    // they select the same item again (in the order the step reads them).
    switch (RestrictionAxis(rotateAboutX, rotateAboutY, rotateAboutZ)) {
    case GyroAxis::Yaw:
        restrictionIndex = 1;
        break;
    case GyroAxis::Pitch:
        restrictionIndex = 2;
        break;
    case GyroAxis::Roll:
        restrictionIndex = 3;
        break;
    case GyroAxis::None:
        restrictionIndex = 0;
        break;
    }
}

} // namespace vex::orb::addon
