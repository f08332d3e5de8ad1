#pragma once

#include "plugins/carextended/CTargetNode.h"
#include "plugins/common/CToolObject.h"
#include "plugins/common/HideDuringRecording.h"
#include "plugins/common/StateRecord.h"
#include "plugins/spherecam/CSphereCamNode.h"
#include "plugins/spherecam/SphereOrbit.h"
#include "unidevice/PropertyFactory.h"

#include <array>
#include <string>
#include <vector>

namespace vex::unidevice {
class Property;
}

namespace vex::orb::addon {

/// The SphereCam tool: a camera on a sphere around a target ("TargetMesh"), always looking at the
/// sphere's centre. Four channels drive its longitude, latitude, radius and roll as rates through the
/// response filter; in gyro mode the sphere turns with the target, otherwise it keeps the world's axes
/// (SphereOrbit.h gives the equations and units). The page sets the place on the sphere directly.
///
/// A take records the whole state per frame, so a re-simulation repeats the take exactly and a take
/// started at a recorded frame goes on from that frame's state; elsewhere a take starts at rest at the
/// place the page shows.
class CSphereCamObject : public CToolObject {
public:
    /// Name of the saved-state record.
    static constexpr const char* kRecordName = "SphereCamDataChunk";
    /// Names of the input channels, in SphereInputIndex order.
    static constexpr std::array<const char*, kSphereInputCount> kInputNames{
        "Longitude (Right/Left)", "Latitude (Up/Down)", "Radius (Out/In)", "Roll (Right/Left)"};

    /// Page item names (they double as help texts).
    static constexpr const char* kHideHelpers = "Hide Helpers";
    static constexpr const char* kHideHelpersDuringRecording = "Hide Helpers During Recording";
    static constexpr const char* kGyroMode = "Gyro Mode";
    static constexpr const char* kLongitude = "Longitude";
    static constexpr const char* kLatitude = "Latitude";
    static constexpr const char* kRadius = "Radius";
    static constexpr const char* kRoll = "Roll";
    static constexpr const char* kLatitudeLimit = "Latitude Limit";
    static constexpr const char* kMinimumRadius = "Minimum Radius";

    /// Copies the plug-in and the instance name; default settings, no nodes yet.
    explicit CSphereCamObject(const CreateParam& param);

    /// Starts the motion at `t`: from the state recorded at `t`, else at rest at the page's place;
    /// hides the target when asked to.
    void begin(double t) override;
    /// Shows the target again when it was hidden for the take.
    void end() override;
    /// Reads the channels, moves a frame on the sphere and places the camera at `t`.
    void step(double t) override;
    /// Shows the place recorded nearest to `t` on the page.
    void timeChanged(double t) override;
    /// "General Modes", "Camera Modes", "Sphere Position", "Sphere Limits", "Input Property Parameters".
    ToolPage Page() override;
    std::string RecordName() const override { return kRecordName; }
    /// The settings, the page's place and the recorded states.
    std::vector<RecordField> RecordFields() override;

    /// Page and undo notifications: "Hide Helpers", the place and mode items, "REALUNDO"/"REALREDO".
    void onEvent(std::string name) override;

    /// The camera's world matrix at `t` for `position`, around the target as it is at `t`.
    util::Matrix<double> CameraWorld(double t, const SpherePosition& position) const;

    SphereSettings settings;
    /// "Gyro Mode": the sphere turns with the target.
    bool gyroMode = false;
    /// The place the page shows: where a take that starts away from the recorded frames starts.
    SpherePosition position;
    SphereState state;
    /// The states of the takes, per frame.
    StateRecord<SphereState> record;
    bool hideHelpers = false;
    bool hideHelpersDuringRecording = true;
    /// The channels declared in buildConfiguration, in input order; owned by the instance.
    std::array<unidevice::Property*, kSphereInputCount> channels{};

    CTargetNode target;
    CSphereCamNode camera;

protected:
    /// The four input channels, before the page.
    void DeclareChannels() override;
    /// Selects the new camera and puts it on the sphere.
    void Created() override;

    /// Remembers the place and mode the page shows, the values a page edit changes from.
    void Restored(bool fromRecord) override;

private:
    /// What decides where the camera stands for a target pose.
    struct Placement {
        SpherePosition position;
        bool gyroMode = false;
    };

    /// Writes the camera at `t` for the page's place.
    void PlaceCamera(double t);
    /// Remembers the place and mode as the page shows them now.
    void Shown();

    Placement shown_;

    HideDuringRecording hiddenForTake_;
    unidevice::PropertyFactory channelFactory_;
};

} // namespace vex::orb::addon
