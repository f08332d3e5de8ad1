#pragma once

#include "plugins/common/CFollowCamTool.h"
#include "plugins/ruzovuzediziviz/CRuzovuZediziVizNode.h"

#include <string>

namespace vex::orb::addon {

/// The RuzovuZediziViz tool: two cameras, "AttachedCam" (attached by the user to an animated object)
/// and "FollowCam", which follows it through damped springs on position and orientation. The
/// FollowCam's filter state is recorded per time, so a re-simulation from any time reproduces the
/// motion of the first run.
class CRuzovuZediziVizObject : public CFollowCamTool<CRuzovuZediziVizNode> {
public:
    /// Name of the saved-state record.
    static constexpr const char* kChunkName = "RuzovuZediziVizDataChunk";
    /// Label of the group of the configuration page.
    static constexpr const char* kGroupName = "Motion Filter Parameters";

    using CFollowCamTool::CFollowCamTool;

    /// Starts the filter from rest when "Re-Initialize" asked for it, then steps both cameras.
    void step(double t) override;
    /// The "Motion Filter Parameters" page; its spinners also get input channels.
    ToolPage Page() override;
    std::string RecordName() const override { return kChunkName; }
    /// The first-run flag, the filter memory and every setting of the FollowCam's filter.
    std::vector<RecordField> RecordFields() override;

    /// Page and undo notifications: strips a "REALUNDO"/"REALREDO" prefix; "Re-Initialize" requests
    /// that the next step starts the filter from rest.
    void onEvent(std::string name) override;

    /// Set by the "Re-Initialize" button; read by the next step.
    bool reinitializeRequested = false;

protected:
    /// The very first run starts the position spring from rest.
    void StartFollowing(double t) override;

private:
    // A spinner of the filter page bound to `value`.
    SpinnerItem FilterSpinner(std::string name, std::string help, double& value);
};

} // namespace vex::orb::addon
