#pragma once

#include "plugins/angleruler/CAngleNode.h"
#include "plugins/common/CRulerObject.h"

#include <array>

namespace vex::orb::addon {

/// The angle ruler: the angle a (radians, 0 … π) at the helper "AngleVertex" between the directions to
/// "AngleTarget1" and "AngleTarget2", and its rate |a(t) − a(t − Δ)| ÷ Δ over the host's frame
/// duration Δ, published with a maximum trigger (a > Max Angle), a minimum trigger (Min Angle > a) and
/// the position of a between Min Angle (0) and Max Angle (1). A target standing on the vertex gives
/// no direction; the angle is then 0.
class CAngleRulerObject : public CRulerObject {
public:
    static constexpr const char* kRecordName = "AngleRulerDataChunk";
    static constexpr std::array<const char*, 5> kOutputNames{"Angle value", "Angular Velocity",
                                                             "Maximum Trigger Value", "Minimum Trigger Value",
                                                             "Distance from Min/Max"};
    static constexpr const char* kVertex = "AngleVertex";
    static constexpr const char* kTarget1 = "AngleTarget1";
    static constexpr const char* kTarget2 = "AngleTarget2";

    /// Copies the plug-in and the instance name; default limits, no nodes yet.
    explicit CAngleRulerObject(const CreateParam& param);

    void Measure(double t) override;
    double OutputValue(std::size_t k) const override;
    /// "Angles" and "General Modes".
    ToolPage Page() override;
    std::string RecordName() const override { return kRecordName; }
    std::vector<RecordField> RecordFields() override;

    /// The angle at `t`; false when a helper or its snapshot is missing.
    bool AngleAt(double t, double& angle) const;

    /// The last measure, its rate and the window position, as the page shows them.
    double currentAngle = 0.0;
    double angularVelocity = 0.0;
    double inLimits = 0.0;
    /// The limits in radians: a right angle and a twelfth of a half turn by default.
    double maxAngle = 1.5707963267948966;
    double minAngle = 0.2617993877991494;

    CAngleNode vertex;
    CAngleNode target1;
    CAngleNode target2;

protected:
    /// Stands the targets two units along x and along −z from the vertex: a right angle.
    void Created() override;
};

} // namespace vex::orb::addon
