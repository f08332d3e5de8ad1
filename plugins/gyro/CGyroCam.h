#pragma once

#include "plugins/common/CToolObject.h"
#include "plugins/common/HideDuringRecording.h"
#include "plugins/gyro/CGyroHelperNode.h"
#include "plugins/gyro/GyroMath.h"

#include <array>
#include <string>

namespace vex::orb::addon {

/// The Gyro rig: a stable platform on a moving object. Every step the "gyro" node is put at the
/// "pivot" node's position without the pivot's rotation; optionally it copies chosen position axes,
/// scale axes and the rotation of the "eye" node, and the rotation can be cut down to yaw, pitch or roll.
class CGyroCam : public CToolObject {
public:
    /// Name of the saved-state record.
    static constexpr const char* kChunkName = "gyro";
    /// The items of "Gyro Restriction", in order.
    static constexpr std::array<const char*, 4> kRestrictions = {"No restrictions", "Yaw only", "Pitch only",
                                                                 "Roll only"};

    /// Copies the plug-in and the instance name; the nodes are not created yet.
    explicit CGyroCam(const CreateParam& param);

    /// Hides the helpers for the take if asked to (remembering their visibility) and sets the rotation
    /// flags from the selected restriction.
    void begin(double t) override;
    /// Gives the helpers hidden at begin their visibility back.
    void end() override;
    /// Places the gyro node for host time `t`.
    void step(double t) override;
    /// The page: "General Modes", "Gyro", "Clone Eye's Position", "Clone Eye's Scale".
    ToolPage Page() override;
    std::string RecordName() const override { return kChunkName; }
    /// One-byte flags: the rotation flags, "Enable Gyro", the clone axes, the hide and look modes.
    std::vector<RecordField> RecordFields() override;
    /// Writes the saved state, with the rotation flags the selected restriction gives.
    int store() override;

    /// Page and undo notifications: a "REALUNDO"/"REALREDO" prefix is stripped; "Hide Helpers" and
    /// "Wireframe Mode" bring the helpers' look up to date.
    void onEvent(std::string name) override;

    /// The selected item of "Gyro Restriction" ("No restrictions" when the index is out of range).
    std::string Restriction() const;
    /// The flags the step works with.
    GyroSettings settings() const;

    /// "Enable Gyro": the gyro takes the eye's rotation. Off by default, so a new rig is a plain
    /// stable platform that keeps its own rotation.
    bool enableGyro = false;
    /// Index of the selected item of "Gyro Restriction"; "No restrictions" after creation.
    int restrictionIndex = 0;
    /// Set from the restriction at begin: the one rotation the gyro keeps.
    bool rotateAboutX = false;
    bool rotateAboutY = false;
    bool rotateAboutZ = false;
    /// "Clone Eye's Position" X, Y, Z and "Clone Eye's Scale" X, Y, Z; all off after creation.
    bool clonePosition[3] = {false, false, false};
    bool cloneScale[3] = {false, false, false};
    /// "Hide Helpers": hides the three helpers' shapes (the gyro's children stay visible).
    bool hideHelpers = false;
    /// "Hide Helpers During Recording": on after creation, so takes are not cluttered by the rig.
    bool hideHelpersDuringRecording = true;
    /// "Wireframe Mode": passes the wireframe display flag to the helpers.
    bool wireframeMode = false;
    /// Visibility of pivot, gyro and eye before begin hid them for the take.
    HideDuringRecording hiddenForTake;

    /// The node the user attaches to the moving object.
    CGyroHelperNode pivot;
    /// The output node a camera is attached to.
    CGyroHelperNode gyro;
    /// The reference whose position, rotation and scale can be copied.
    CGyroHelperNode eye;

protected:
    /// Brings the new helpers' look up to date.
    void Created() override;
    /// Selects the restriction the saved rotation flags give and brings the helpers' look up to date.
    void Restored(bool fromRecord) override;

private:
    /// The saved-state fields, with the rotation flags bound to `x`, `y` and `z`.
    std::vector<RecordField> Fields(bool& x, bool& y, bool& z);
    /// Shows or hides the helpers as "Hide Helpers" says and passes them the "Wireframe Mode" flag.
    void ApplyLook();
    /// The restriction item that matches the saved rotation flags.
    void SelectRestrictionFromFlags();
    /// The rotation flags the selected restriction gives: the one rotation it keeps, none for
    /// "No restrictions".
    struct RotationFlags {
        bool aboutX = false;
        bool aboutY = false;
        bool aboutZ = false;
    };
    RotationFlags RotationFlagsOfRestriction() const;
};

} // namespace vex::orb::addon
