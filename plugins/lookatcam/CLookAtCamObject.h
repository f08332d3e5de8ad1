#pragma once

#include "plugins/common/CTargetCamTool.h"
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
/// becomes the target's distance; LookAtAim.h gives the aim lag and the focus offset channel. A take
/// records the aim and focus state per frame (CTargetCamTool); a fresh take starts aimed at the target.
class CLookAtCamObject : public CTargetCamTool<CLookAtCamNode, LookAtState> {
public:
    /// Name of the saved-state record.
    static constexpr const char* kRecordName = "LookAtCamDataChunk";
    /// The focus channel.
    static constexpr const char* kFocusInput = "Focus Offset (Far/Near)";
    /// Page item names (they double as help texts).
    static constexpr const char* kAimResponseFactor = "Aim Response Factor";
    static constexpr const char* kMinimumFocusDistance = "Minimum Focus Distance";

    using CTargetCamTool::CTargetCamTool;

    /// Moves the aim and focus a frame on, turns the camera and sets its focus distance at `t`.
    void step(double t) override;
    /// "General Modes", "Camera Parameters", "Input Property Parameters".
    ToolPage Page() override;
    std::string RecordName() const override { return kRecordName; }
    /// The settings and the recorded states.
    std::vector<RecordField> RecordFields() override;

    /// The page's aim and focus settings.
    LookAtSettings settings;
    /// The focus channel, declared in buildConfiguration; owned by the instance.
    unidevice::Property* focusChannel = nullptr;

protected:
    /// The focus channel, before the page.
    void DeclareChannels() override;
    /// Aimed at the target as it is at `t`, with no focus offset.
    LookAtState FreshState(double t) override;
    /// Turns the camera at `t` toward the state's aim point and focuses it on the target.
    void PlaceCamera(double t) override;

private:
    unidevice::PropertyFactory channelFactory_;
};

} // namespace vex::orb::addon
