#pragma once

#include "interface/CNode.h"
#include "plugins/carextended/CTargetNode.h"
#include "plugins/common/CToolObject.h"
#include "plugins/common/HelperToggle.h"
#include "plugins/common/HideDuringRecording.h"
#include "plugins/common/MatrixAccess.h"
#include "plugins/common/RecordedTake.h"
#include "plugins/common/StateRecord.h"

#include <string>
#include <vector>

namespace vex::orb::addon {

/// The shape of the cameras that work on a target: a camera of class `CameraNode` that the user
/// places, parents or animates, and a target ("TargetMesh") the user moves or attaches to an object.
/// A take records the tool's `State` per frame, so a re-simulation repeats the take exactly and a take
/// started at a recorded frame goes on from that frame's state; elsewhere it starts from FreshState.
/// The target is a helper: "Hide Helpers" hides it, and "Hide Helpers During Recording" while a take
/// runs. A tool states its fresh state, how it places the camera, its page and its step.
template <class CameraNode, class State>
class CTargetCamTool : public CToolObject {
public:
    /// Copies the plug-in and the instance name; no nodes yet.
    explicit CTargetCamTool(const CreateParam& param)
        : CToolObject(param, {&target, &camera}), target(this, nullptr), camera(this) {}

    /// Starts at `t` from the state recorded there, else from FreshState(t); hides the target when
    /// asked to.
    void begin(double t) override {
        BeginRecordedTake(core, record, state, t, [this, t] { return FreshState(t); });
        if (hideHelpersDuringRecording) hiddenForTake_.hide({&target});
    }
    /// Shows the target again when it was hidden for the take.
    void end() override {
        CToolObject::end();
        hiddenForTake_.restore();
    }
    /// Page and undo notifications: "Hide Helpers".
    void onEvent(std::string name) override {
        ToggleHelpers(core, this, name, kHideHelpers, hideHelpers, {&target});
    }

    /// The simulation state of the last step.
    State state{};
    /// The states of the takes, per frame.
    StateRecord<State> record;
    bool hideHelpers = false;
    bool hideHelpersDuringRecording = true;

    CTargetNode target;
    CameraNode camera;

protected:
    /// Where a new target stands: this far in front of the new camera.
    static constexpr double kTargetDistance = 10.0;

    /// The state a take starts from away from the recorded frames, at `t`.
    virtual State FreshState(double t) = 0;
    /// Writes the camera at `t` for the current state.
    virtual void PlaceCamera(double t) = 0;

    /// Puts the target in front of the new camera, selects the camera and places it.
    void Created() override {
        const double now = core->getCurrentTime();
        target.localMatrix.m[3][2] = -kTargetDistance;
        target.update(now);
        if (camera.node != nullptr) camera.node->select();
        state = FreshState(now);
        PlaceCamera(now);
    }
    /// Records the state of the step at `t` and places the camera.
    void Stepped(double t) {
        record.Set(t, state);
        PlaceCamera(t);
    }

    /// The "General Modes" group: the two hide boxes.
    PageGroup GeneralModes() { return HelperModes(hideHelpers, hideHelpersDuringRecording, this); }
    /// The saved fields of the two hide boxes.
    std::vector<RecordField> HideFields() { return HelperFields(hideHelpers, hideHelpersDuringRecording); }
    /// The target's world position at `t`.
    util::Vector3<double> TargetPosition(double t) const { return WorldPosition(core, target.node, t); }
    /// The camera's world matrix at `t` (the identity without a camera).
    util::Matrix<double> CameraWorld(double t) const {
        util::Matrix<double> world;
        ReadWorldMatrix(core, camera.node, t, world);
        return world;
    }

private:
    HideDuringRecording hiddenForTake_;
};

} // namespace vex::orb::addon
