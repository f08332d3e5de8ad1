#pragma once

#include "plugins/common/CFollowCamTool.h"
#include "plugins/vezizazav/CVezizaZavNode.h"

#include <cstddef>
#include <string>

namespace vex::orb::addon {

/// The VuzaZaderaRav tool: two cameras, "AttachedCam" (attached by the user to an animated object)
/// and "FollowCam", which follows it through two chained first-order lags on position and
/// orientation and so smooths it without overshooting. The intermediate pose is the recorded state.
class CVezizaZavObject : public CFollowCamTool<CVezizaZavNode> {
public:
    /// Name of the saved-state record.
    static constexpr const char* kChunkName = "VezizaZavDataChunk";
    /// Size of the fixed settings record "sDataChunkSaveStruct": byte 0 "Hide AttachedCam", byte 1
    /// "Hide FollowCam", each 0 or 1.
    static constexpr std::size_t kSaveStructSize = 2;
    /// Page item names the callback reacts to.
    static constexpr const char* kHideAttachedCam = "Hide AttachedCam";
    static constexpr const char* kHideFollowCam = "Hide FollowCam";

    using CFollowCamTool::CFollowCamTool;

    /// "General Modes" and "Camera Parameters"; the spinners get input channels.
    ToolPage Page() override;
    std::string RecordName() const override { return kChunkName; }
    /// The hide flags, the first-run flag, the memory record and both response factors.
    std::vector<RecordField> RecordFields() override;

    /// Page and undo notifications: a "Hide" box shows or hides its camera and registers an undo
    /// event; its undo or redo toggles the flag back or forth and applies it again; "Re-Initialize"
    /// makes the next run start from the AttachedCam's pose.
    void onEvent(std::string name) override;

    /// "Hide AttachedCam" / "Hide FollowCam".
    bool hideAttachedCam = false;
    bool hideFollowCam = false;

protected:
    /// The very first run starts the intermediate stage on the AttachedCam.
    void StartFollowing(double t) override;

private:
    // Shows or hides both cameras as the flags say.
    void ApplyVisibility();
};

} // namespace vex::orb::addon
