#pragma once

#include "plugins/carextended/CTargetNode.h"
#include "plugins/common/CToolObject.h"
#include "plugins/common/HideDuringRecording.h"
#include "plugins/common/StateRecord.h"
#include "plugins/lookatcam/CLookAtCamNode.h"
#include "plugins/lookatcam/LookAtAim.h"
#include "unidevice/PropertyFactory.h"

#include <string>
#include <vector>

namespace vex::unidevice {
class Property;
}

namespace vex::orb::addon {

/// The LookAtCam tool: a camera ("LookAtCam") that the user places, parents or animates, and a target
/// ("TargetMesh") that the user moves or attaches to an object. Every step the camera keeps its place
/// and turns, without roll, to look at the target, and its lens's focus distance (centre of interest)
/// becomes the target's distance; LookAtAim.h gives the aim lag and the focus offset channel.
///
/// A take records the aim and focus state per frame, so a re-simulation repeats the take exactly and a
/// take started at a recorded frame goes on from that frame's state; elsewhere a take starts aimed at
/// the target.
class CLookAtCamObject : public CToolObject {
public:
    /// Name of the saved-state record.
    static constexpr const char* kRecordName = "LookAtCamDataChunk";
    /// The focus channel.
    static constexpr const char* kFocusInput = "Focus Offset (Far/Near)";

    /// Page item names (they double as help texts).
    static constexpr const char* kHideHelpers = "Hide Helpers";
    static constexpr const char* kHideHelpersDuringRecording = "Hide Helpers During Recording";
    static constexpr const char* kAimResponseFactor = "Aim Response Factor";
    static constexpr const char* kMinimumFocusDistance = "Minimum Focus Distance";

    /// Copies the plug-in and the instance name; default settings, no nodes yet.
    explicit CLookAtCamObject(const CreateParam& param);

    /// Starts at `t` from the state recorded there, else aimed at the target; hides the target when
    /// asked to.
    void begin(double t) override;
    /// Shows the target again when it was hidden for the take.
    void end() override;
    /// Moves the aim and focus a frame on, turns the camera and sets its focus distance at `t`.
    void step(double t) override;
    /// "General Modes", "Camera Parameters", "Input Property Parameters".
    ToolPage Page() override;
    std::string RecordName() const override { return kRecordName; }
    /// The settings and the recorded states.
    std::vector<RecordField> RecordFields() override;

    /// Page and undo notifications: "Hide Helpers".
    void onEvent(std::string name) override;

    LookAtSettings settings;
    LookAtState state;
    /// The states of the takes, per frame.
    StateRecord<LookAtState> record;
    bool hideHelpers = false;
    bool hideHelpersDuringRecording = true;
    /// The focus channel, declared in buildConfiguration; owned by the instance.
    unidevice::Property* focusChannel = nullptr;

    CTargetNode target;
    CLookAtCamNode camera;

protected:
    /// The focus channel, before the page.
    void DeclareChannels() override;
    /// Puts the target in front of the new camera and aims the camera at it.
    void Created() override;

private:
    /// Turns the camera at `t` toward the state's aim point and focuses it on the target.
    void PlaceCamera(double t);

    HideDuringRecording hiddenForTake_;
    unidevice::PropertyFactory channelFactory_;
};

} // namespace vex::orb::addon
