#pragma once

#include "plugins/autofocuscam/CCurrentFocalPoint.h"
#include "plugins/autofocuscam/CTarget_1_Node.h"
#include "plugins/autofocuscam/CTarget_2_Node.h"
#include "plugins/autofocuscam/FocusPull.h"
#include "plugins/common/CCameraNode.h"
#include "plugins/common/CToolObject.h"
#include "plugins/common/HideDuringRecording.h"
#include "plugins/common/StateRecord.h"
#include "unidevice/PropertyFactory.h"

#include <array>
#include <string>
#include <vector>

namespace vex::unidevice {
class Property;
}

namespace vex::orb::addon {

/// The AutoFocusCam tool: a camera ("AutoFocusCam") that the user places, parents or animates, two
/// focus targets ("Target_1", "Target_2") placed on the subjects, and the focal point
/// ("CurrentFocalPoint") the tool moves between them. Every step a channel zooms the lens in real time
/// and another pulls the focus between the targets; the lens's focus distance is the focal point's
/// distance from the camera (FocusPull.h gives the model).
///
/// A take records the lens and focus state per frame, so a re-simulation repeats the take exactly and
/// a take started at a recorded frame goes on from that frame's state; elsewhere a take starts from the
/// lens as it is, focused where the focal channel asks.
class CAutoFocusCamObject : public CToolObject {
public:
    /// Name of the saved-state record.
    static constexpr const char* kRecordName = "AutoFocusCamDataChunk";
    /// The channels.
    static constexpr const char* kZoomInput = "Zoom (In/Out)";
    static constexpr const char* kFocalInput = "Focal Position (Target 1/2)";
    /// Page item names (they double as help texts).
    static constexpr const char* kFreeFocalPosition = "Free Focal Position";

    /// Copies the plug-in and the instance name; default settings, no nodes yet.
    explicit CAutoFocusCamObject(const CreateParam& param);

    /// Starts at `t` from the state recorded there, else from the lens and the focal channel as they
    /// are; hides the helpers when asked to.
    void begin(double t) override;
    /// Shows the helpers again when they were hidden for the take.
    void end() override;
    /// Zooms and pulls the focus a frame on and writes the focal point and the lens at `t`.
    void step(double t) override;
    /// "General Modes", "Camera Modes", "Zoom Limits", "Focal Point", "Input Property Parameters".
    ToolPage Page() override;
    std::string RecordName() const override { return kRecordName; }
    /// The settings and the recorded states.
    std::vector<RecordField> RecordFields() override;

    /// Page and undo notifications: "Hide Helpers".
    void onEvent(std::string name) override;

    /// The focal point between the targets at `t` for the focal position `u`.
    util::Vector3<double> FocalPoint(double t, double u) const;

    /// The page's zoom and focus settings.
    FocusPullSettings settings;
    /// The lens and focus state of the last step.
    FocusPullState state;
    /// The states of the takes, per frame.
    StateRecord<FocusPullState> record;
    bool hideHelpers = false;
    bool hideHelpersDuringRecording = true;
    /// The channels declared in buildConfiguration; owned by the instance.
    unidevice::Property* zoomChannel = nullptr;
    unidevice::Property* focalChannel = nullptr;

    CCameraNode camera;
    CTarget_1_Node target1;
    CTarget_2_Node target2;
    CCurrentFocalPoint focalPoint;

protected:
    /// The two channels, before the page.
    void DeclareChannels() override;
    /// Puts the targets in front of the new camera, selects the camera and focuses it.
    void Created() override;

private:
    /// The state a take starts from away from the recorded frames, at `t`.
    FocusPullState FreshState(double t) const;
    /// Moves the focal point and sets the lens at `t` for the state.
    void PlaceFocus(double t);

    HideDuringRecording hiddenForTake_;
    unidevice::PropertyFactory channelFactory_;
};

} // namespace vex::orb::addon
