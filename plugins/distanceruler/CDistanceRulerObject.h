#pragma once

#include "plugins/common/CRulerObject.h"
#include "plugins/distanceruler/CDistanceNode.h"

#include <array>

namespace vex::orb::addon {

/// The distance ruler: the distance d between its helpers "DistanceTarget1" and "DistanceTarget2",
/// scaled by the length of the first target's z basis row (so a scaled rig measures in its own
/// units), published as "Distance value" with a maximum trigger (d > Max Distance), a minimum trigger
/// (Min Distance > d) and the position of d between Min Distance (0) and Max Distance (1).
class CDistanceRulerObject : public CRulerObject {
public:
    static constexpr const char* kRecordName = "DistanceRulerDataChunk";
    static constexpr std::array<const char*, 4> kOutputNames{
        "Distance value", "Maximum Trigger Value", "Minimum Trigger Value", "Distance from Min/Max"};
    static constexpr const char* kTarget1 = "DistanceTarget1";
    static constexpr const char* kTarget2 = "DistanceTarget2";

    /// Copies the plug-in and the instance name; default limits, no nodes yet.
    explicit CDistanceRulerObject(const CreateParam& param);

    void Measure(double t) override;
    double OutputValue(std::size_t k) const override;
    /// "Distances" and "General Modes".
    ToolPage Page() override;
    std::string RecordName() const override { return kRecordName; }
    std::vector<RecordField> RecordFields() override;

    /// The last measure and the window position, as the page shows them.
    double currentDistance = 0.0;
    double inLimits = 0.0;
    /// The limits, in scene units; defaults chosen for a rig a few units across.
    double maxDistance = 10.0;
    double minDistance = 1.0;

    CDistanceNode target1;
    CDistanceNode target2;

protected:
    /// Stands the second target two units along x from the first.
    void Created() override;
};

} // namespace vex::orb::addon
