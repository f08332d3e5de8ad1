#include "plugins/gyro/CGyroCam.h"

#include "interface/CNode.h"
#include "interface/ScopedSnapshot.h"
#include "plugins/common/ToolEvents.h"
#include "plugins/common/ToolRecord.h"

#include <string_view>
#include <utility>
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

} // namespace

CGyroCam::CGyroCam(const CreateParam& param)
    : CToolObject(param, {&pivot, &gyro, &eye}), pivot(this, "pivot"), gyro(this, "gyro"), eye(this, "eye") {}

std::string CGyroCam::Restriction() const {
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
    const RotationFlags flags = RotationFlagsOfRestriction();
    rotateAboutX = flags.aboutX;
    rotateAboutY = flags.aboutY;
    rotateAboutZ = flags.aboutZ;
}

CGyroCam::RotationFlags CGyroCam::RotationFlagsOfRestriction() const {
    const std::string selected = Restriction();
    return {selected == kRestrictions[2], selected == kRestrictions[1], selected == kRestrictions[3]};
}

void CGyroCam::end() {
    CToolObject::end();
    hiddenForTake.restore();
}

void CGyroCam::step(double t) {
    // A missing pivot or eye reads as the identity: the gyro then sits at the origin, or keeps the
    // pivot's frame without an eye to copy from.
    const util::Matrix<double> p = pivot.ReadWorld(t);
    ScopedSnapshot<CSnapshot> snapshot(core, gyro.node, t);
    if (!snapshot) return;
    util::Matrix<double> g;
    snapshot->getWorldMatrix(g);
    const util::Matrix<double> e = eye.ReadWorld(t);

    gyro.worldMatrix = GyroWorldMatrix(p, g, e, settings());
    snapshot->setWorldMatrix(gyro.worldMatrix);

    const GyroAxis axis = RestrictionAxis(rotateAboutX, rotateAboutY, rotateAboutZ);
    if (enableGyro && axis != GyroAxis::kNone) {
        util::Matrix<double> local;
        snapshot->getMatrix(local);
        gyro.localMatrix = RestrictRotation(local, axis);
        snapshot->setMatrix(gyro.localMatrix);
    }
}

ToolPage CGyroCam::Page() {
    const auto check = [this](std::string name, std::string help, bool& value) {
        return CheckBoxItem{
            .name = std::move(name), .help = std::move(help), .value = &value, .callback = this};
    };
    const auto axes = [&check](bool(&flags)[3]) {
        std::vector<PageItem> items;
        for (int i = 0; i < 3; ++i) items.push_back(check(kAxisLabels[i], "", flags[i]));
        return items;
    };
    return {
        {.name = "General Modes",
         .items = {check(kHideHelpers, "Hides the pivot, gyro and eye helpers", hideHelpers),
                   check("Hide Helpers During Recording", "Hides the helpers while a take is recorded",
                         hideHelpersDuringRecording),
                   check(kWireframeMode, "Shows the helpers as wireframes", wireframeMode)}},
        {.name = "Gyro",
         .help = "Specifies which axis the gyro should affect",
         .items = {check("Enable Gyro", "Enables rotational gyro effect", enableGyro),
                   ComboBoxItem{.name = "Gyro Restriction",
                                .help = "Specifies the gyro restriction",
                                .items = {kRestrictions.begin(), kRestrictions.end()},
                                .value = &restrictionIndex,
                                .callback = this}}},
        {.name = "Clone Eye's Position", .help = "Clone Position from Eye.", .items = axes(clonePosition)},
        {.name = "Clone Eye's Scale", .help = "Clone Scale from Eye.", .items = axes(cloneScale)},
    };
}

std::vector<RecordField> CGyroCam::Fields(bool& x, bool& y, bool& z) {
    std::vector<RecordField> fields{{kRotXKey, x}, {kRotYKey, y}, {kRotZKey, z}, {kEnableKey, enableGyro}};
    for (int i = 0; i < 3; ++i) fields.emplace_back(kPositionKeys[i], clonePosition[i]);
    for (int i = 0; i < 3; ++i) fields.emplace_back(kScaleKeys[i], cloneScale[i]);
    fields.emplace_back(kHideKey, hideHelpers);
    fields.emplace_back(kHideRecordingKey, hideHelpersDuringRecording);
    fields.emplace_back(kWireframeKey, wireframeMode);
    return fields;
}

std::vector<RecordField> CGyroCam::RecordFields() {
    return Fields(rotateAboutX, rotateAboutY, rotateAboutZ);
}

int CGyroCam::store() {
    // The record keeps no restriction of its own, only the flags it gives; they are written from the
    // selected item, so a restriction chosen since the last take comes back with the scene.
    RotationFlags flags = RotationFlagsOfRestriction();
    WriteToolRecord(core, WriteFields(kChunkName, Fields(flags.aboutX, flags.aboutY, flags.aboutZ)));
    return 0;
}

void CGyroCam::Created() {
    ApplyLook();
}

void CGyroCam::Restored(bool fromRecord) {
    if (fromRecord) SelectRestrictionFromFlags();
    ApplyLook();
}

void CGyroCam::onEvent(std::string name) {
    // An undo or redo names the item whose value came back; it is handled like the change itself.
    const ToolEvent event = ParseToolEvent(name);
    if (event.item == kHideHelpers || event.item == kWireframeMode) ApplyLook();
}

void CGyroCam::ApplyLook() {
    CGyroHelperNode* nodes[3] = {&pivot, &gyro, &eye};
    for (CGyroHelperNode* n : nodes) {
        SetVisible(*n, !hideHelpers);
        n->setDisplayFlag(wireframeMode ? kWireframeFlag : kShadedFlag);
    }
}

void CGyroCam::SelectRestrictionFromFlags() {
    // The restriction itself is not saved; the rotation flags set from it at the last begin are, and
    // they select the same item again (in the order the step reads them).
    switch (RestrictionAxis(rotateAboutX, rotateAboutY, rotateAboutZ)) {
    case GyroAxis::kYaw:
        restrictionIndex = 1;
        break;
    case GyroAxis::kPitch:
        restrictionIndex = 2;
        break;
    case GyroAxis::kRoll:
        restrictionIndex = 3;
        break;
    case GyroAxis::kNone:
        restrictionIndex = 0;
        break;
    }
}

} // namespace vex::orb::addon
