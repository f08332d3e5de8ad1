#pragma once

#include "plugins/common/CTargetCamTool.h"
#include "plugins/horrorcam/CHorrorCamNode.h"
#include "plugins/horrorcam/DollyZoom.h"
#include "unidevice/PropertyFactory.h"

#include <string>
#include <vector>

namespace vex::unidevice {
class Property;
}

namespace vex::orb::addon {

/// The AutoZoomCam tool: a camera ("AutoZoomCam") that the user dollies, parents or animates, and a
/// target ("TargetMesh") placed on the subject. Every step the lens zooms so that the target keeps the
/// size in the picture it had when the take began (the contracting-room effect, DollyZoom.h); with
/// "Aim At Target" the camera also turns, without roll, to keep the target in the picture's centre,
/// and its focus distance is the target's distance. A take records the zoom state per frame
/// (CTargetCamTool); a fresh take takes the picture width from the lens then.
class CHorrorCamObject : public CTargetCamTool<CHorrorCamNode, DollyZoomState> {
public:
    /// Name of the saved-state record.
    static constexpr const char* kRecordName = "HorrorCamDataChunk";
    /// The framing channel.
    static constexpr const char* kWidthInput = "Picture Width (Wider/Narrower)";
    /// Page item names (they double as help texts).
    static constexpr const char* kAimAtTarget = "Aim At Target";

    using CTargetCamTool::CTargetCamTool;

    /// Moves the zoom a frame on for the target's depth at `t` and writes the camera and its lens.
    void step(double t) override;
    /// "General Modes", "Camera Modes", "Zoom Limits", "Input Property Parameters".
    ToolPage Page() override;
    std::string RecordName() const override { return kRecordName; }
    /// The settings and the recorded states.
    std::vector<RecordField> RecordFields() override;

    /// The page's zoom limits and framing channel settings.
    DollyZoomSettings settings;
    /// "Aim At Target": the camera turns toward the target.
    bool aimAtTarget = true;
    /// The framing channel, declared in buildConfiguration; owned by the instance.
    unidevice::Property* widthChannel = nullptr;

protected:
    /// The framing channel, before the page.
    void DeclareChannels() override;
    /// The lens and the target's depth at `t` as they are.
    DollyZoomState FreshState(double t) override;
    /// Aims the camera at `t` when asked to and gives its lens the state's field of view.
    void PlaceCamera(double t) override;

private:
    /// The camera's world matrix at `t`, aimed at the target when asked to.
    util::Matrix<double> ViewAt(double t) const;

    unidevice::PropertyFactory channelFactory_;
};

} // namespace vex::orb::addon
