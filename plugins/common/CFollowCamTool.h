#pragma once

#include "interface/CInterface.h"
#include "interface/CVariableModUndo.h"
#include "plugins/common/CAttachedCamNode.h"
#include "plugins/common/CToolObject.h"
#include "util/AVar_Nearest.h"
#include "util/QTransform.h"

namespace vex::orb::addon {

/// A follow-camera tool: "AttachedCam", attached by the user to an animated object, and "FollowCam"
/// (a `FollowNode`, derived from CFollowCamNode), which follows it. The FollowCam's follow state is
/// recorded per time, so a re-simulation from any time repeats the first run. A tool says how the very
/// first run starts (StartFollowing), its page and its saved fields.
template <class FollowNode>
class CFollowCamTool : public CToolObject {
public:
    /// The page button that makes the camera start afresh.
    static constexpr const char* kReinitialize = "Re-Initialize";

    /// Copies the plug-in and the instance name; the cameras are not created yet (the FollowCam first).
    explicit CFollowCamTool(const CreateParam& param)
        : CToolObject(param, {&followCam, &attachedCam}), attachedCam(this), followCam(this, attachedCam) {}

    /// Pushes an undo record of the memory, takes the FollowCam's state for `t` (started by
    /// StartFollowing on the very first run, and recorded) and forgets the memory after `t`.
    void begin(double t) override {
        core->addUndo(new CVariableModUndo<Memory>(&memory));
        if (firstTime) {
            StartFollowing(t);
            memory.set(t, followCam.GetState());
        } else {
            followCam.SetState(memory.get(t));
        }
        memory.TruncateFrom(t + core->getFrameDuration());
        firstTime = false;
    }
    /// Steps the AttachedCam, then the FollowCam, and records the FollowCam's state at `t`.
    void step(double t) override {
        attachedCam.update(t);
        followCam.update(t);
        memory.set(t, followCam.GetState());
    }

    using Memory = util::AVar_Nearest<util::QTransform<double>>;
    /// Per-time record of the FollowCam's state.
    Memory memory;
    /// The tool has not yet started a run.
    bool firstTime = true;
    /// The camera the user attaches to an animated object.
    CAttachedCamNode attachedCam;
    /// The camera that follows it; declared after it, whose node it reads.
    FollowNode followCam;

protected:
    /// Sets the FollowCam's state for the very first run, which starts at host time `t`.
    virtual void StartFollowing(double t) = 0;
};

} // namespace vex::orb::addon
