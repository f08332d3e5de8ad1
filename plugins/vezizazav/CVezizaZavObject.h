#pragma once

#include "interface/CCamera.h"
#include "interface/CInterface.h"
#include "plugins/common/CAttachedCamNode.h"
#include "plugins/vezizazav/CVezizaZavNode.h"
#include "util/AVar_Nearest.h"
#include "util/QTransform.h"

#include <cstddef>
#include <string>

namespace vex::orb::addon {

/// The VuzaZaderaRav tool: two cameras, "AttachedCam" (attached by the user to an animated object)
/// and "FollowCam", which follows it through two chained first-order lags on position and
/// orientation and so smooths it without overshooting. The intermediate pose is recorded per time,
/// so a re-simulation from any time repeats the first run.
class CVezizaZavObject : public CCamera, public CInterface::Callback {
public:
    /// Name of the saved-state record.
    static constexpr const char* kChunkName = "VezizaZavDataChunk";
    /// Size of the fixed settings record "sDataChunkSaveStruct": byte 0 "Hide AttachedCam", byte 1
    /// "Hide FollowCam", each 0 or 1.
    static constexpr std::size_t kSaveStructSize = 2;
    /// Page item names the callback reacts to.
    static constexpr const char* kReinitialize = "Re-Initialize";
    static constexpr const char* kHideAttachedCam = "Hide AttachedCam";
    static constexpr const char* kHideFollowCam = "Hide FollowCam";

    /// Copies the plug-in and the instance name; the nodes are not created yet.
    explicit CVezizaZavObject(const CreateParam& param);

    /// Pushes an undo record of the memory record, takes the intermediate pose for `t` (the
    /// AttachedCam's pose on the very first run) and forgets the record after `t`.
    void begin(double t) override;
    /// Steps the AttachedCam, then the FollowCam, and records the intermediate pose at `t`.
    void step(double t) override;
    /// Refreshes the configuration page.
    void timeChanged(double t) override;
    /// Declares the "General Modes" and "Camera Parameters" groups; the spinners get input channels.
    int buildConfiguration() override;
    /// Creates both cameras and refreshes the page.
    int initialize() override;
    /// Finds both cameras by name and reads the saved state; 1 when a camera is missing.
    int restore() override;
    /// Writes the saved state as a "VezizaZavDataChunk" record into the tool data.
    int store() override;

    /// Page and undo notifications: a "Hide" box shows or hides its camera and registers an undo
    /// event; its undo or redo toggles the flag back or forth and applies it again; "Re-Initialize"
    /// makes the next run start from the AttachedCam's pose.
    void onEvent(std::string name) override;

    /// Per-time record of the FollowCam's intermediate pose.
    util::AVar_Nearest<util::QTransform<double>> memoryRecord;
    /// "Hide AttachedCam" / "Hide FollowCam".
    bool hideAttachedCam = false;
    bool hideFollowCam = false;
    /// The tool has not yet started a run.
    bool firstTime = true;
    /// The camera the user attaches to an animated object.
    CAttachedCamNode attachedCam;
    /// The camera that follows it; declared after it, whose node it reads.
    CVezizaZavNode followCam;

private:
    // Shows or hides both cameras as the flags say.
    void applyVisibility();
};

} // namespace vex::orb::addon
