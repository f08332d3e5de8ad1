#pragma once

#include "plugins/carextended/CollisionObjects.h"
#include "plugins/common/CToolObject.h"
#include "plugins/common/HideDuringRecording.h"
#include "plugins/common/OutputChannels.h"
#include "plugins/common/StateRecord.h"
#include "plugins/raycaster/CHitSurfaceChildNode.h"
#include "plugins/raycaster/CRayHitNode.h"
#include "plugins/raycaster/CRayOriginNode.h"
#include "plugins/raycaster/RayCast.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace vex::orb::addon {

/// The RayCaster utility: every step it casts a ray from "RayOrigin" along its −z axis to the surfaces
/// named by "HitSurfaceChild" (RayCast.h gives the geometry), puts "RayHit" at the hit point, turned to
/// the surface, and publishes the hit as output channels other tools can bind: "Hit" (1 or 0),
/// "Hit Distance", "Hit Point X/Y/Z" and "Hit Normal X/Y/Z", in world units.
///
/// The surfaces are taken when a run begins (the caster built for them is kept while they stay the same).
/// With "Use Fast Ray Cast" (the default) they are cast against as they are then, in double precision;
/// without it the four-wheeler's Bullet world follows surfaces that are animated or deformed, at single
/// precision (about 1e-7 of the ray's length). The hits of the takes are recorded per frame, so between runs
/// the outputs answer the hit recorded for the host's time.
class CRayCasterObject : public CToolObject {
public:
    /// Name of the saved-state record.
    static constexpr const char* kRecordName = "RayCasterDataChunk";
    /// Names of the output channels, in RayOutputs order.
    static constexpr std::array<const char*, kRayOutputCount> kOutputNames{
        "Hit",         "Hit Distance", "Hit Point X",  "Hit Point Y",
        "Hit Point Z", "Hit Normal X", "Hit Normal Y", "Hit Normal Z"};
    /// Page item names (they double as help texts).
    static constexpr const char* kHideHelpers = "Hide Helpers";
    static constexpr const char* kHideHelpersDuringRecording = "Hide Helpers During Recording";
    static constexpr const char* kMaximumDistance = "Maximum Distance";
    static constexpr const char* kUseFastRayCast = "Use Fast Ray Cast";

    /// Copies the plug-in and the instance name; default settings, no nodes yet.
    explicit CRayCasterObject(const CreateParam& param);

    /// Takes the surfaces at `t` (a message when there are none) and hides the helpers when asked to.
    void begin(double t) override;
    /// Shows the helpers hidden for the take.
    void end() override;
    /// Casts the ray at `t`, places the hit node and records the hit.
    void step(double t) override;
    /// "General Modes" and "Ray".
    ToolPage Page() override;
    std::string RecordName() const override { return kRecordName; }
    /// The settings and the recorded hits.
    std::vector<RecordField> RecordFields() override;

    /// Extension 40 with one of the output channels: pushes its value and returns 1 (during a run the
    /// last cast's, else the hit recorded nearest the host's time); any other id or pointer returns 0.
    int extension(int id, void* data) override;
    /// {40}.
    std::vector<int32_t> getExtensionIds() const override;

    /// "Hide Helpers" and the "REALUNDO"/"REALREDO" events.
    void onEvent(std::string name) override;

    /// "Maximum Distance": the length of the ray, world units.
    double maximumDistance = 1000.0;
    /// "Use Fast Ray Cast": static surfaces in double precision; off follows animated ones.
    bool useFastRayCast = true;
    bool hideHelpers = false;
    bool hideHelpersDuringRecording = true;
    /// The last cast's hit.
    RayHitState hit;
    /// The hits of the takes, per frame.
    StateRecord<RayHitState> record;
    /// The output channels in RayOutputs order; empty when the core offers no virtual controls.
    OutputChannels outputs;

    CHitSurfaceChildNode surfaceChild;
    CRayOriginNode origin;
    CRayHitNode hitNode;

protected:
    /// The output channels once the page exists, when the core offers virtual controls.
    void DeclareOutputs() override;
    /// Points the new origin down from above the surface child and puts the hit node below it.
    void Created() override;

private:
    /// Shows or hides the three helpers as "Hide Helpers" says.
    void ApplyVisibility();

    CollisionObjects surfaces_;
    bool running_ = false;
    HideDuringRecording hiddenForTake_;
};

} // namespace vex::orb::addon
