#pragma once

#include "plugins/common/CRulerObject.h"
#include "plugins/scaleruler/CScaleNode.h"

#include <array>

namespace vex::orb::addon {

/// The scale ruler: per axis the scale of its helper "ScaledNode" relative to its helper
/// "ScaleReference" (the lengths of the basis rows of the scaled node's transform in the reference's
/// frame; parent both to the same object to measure a local scale, leave the reference alone for the
/// world scale), published as "X Scale Value" … "Z Scale Value" (unbounded), then per axis the maximum
/// triggers (scale > Max), the minimum triggers (Min > scale), each a button, and the positions between
/// Min (0) and Max (1), each finite.
class CScaleRulerObject : public CRulerObject {
public:
    static constexpr const char* kRecordName = "ScaleRulerDataChunk";
    static constexpr std::array<const char*, 12> kOutputNames{"X Scale Value",
                                                              "Y Scale Value",
                                                              "Z Scale Value",
                                                              "Maximum X Trigger Value",
                                                              "Maximum Y Trigger Value",
                                                              "Maximum Z Trigger Value",
                                                              "Minimum X Trigger Value",
                                                              "Minimum Y Trigger Value",
                                                              "Minimum Z Trigger Value",
                                                              "Percentage from X Min/Max",
                                                              "Percentage from Y Min/Max",
                                                              "Percentage from Z Min/Max"};
    static constexpr const char* kScaled = "ScaledNode";
    static constexpr const char* kReference = "ScaleReference";

    /// Copies the plug-in and the instance name; default limits, no nodes yet.
    explicit CScaleRulerObject(const CreateParam& param);

    void Measure(double t) override;
    double OutputValue(std::size_t k) const override;
    /// "Scales" and "General Modes".
    ToolPage Page() override;
    std::string RecordName() const override { return kRecordName; }
    std::vector<RecordField> RecordFields() override;

    using Axes = std::array<double, 3>;
    /// The last measure and the window positions, per axis, as the page shows them.
    Axes currentScale{1.0, 1.0, 1.0};
    Axes percentage{};
    /// The limits per axis: twice and half the unit scale by default.
    Axes maxScale{2.0, 2.0, 2.0};
    Axes minScale{0.5, 0.5, 0.5};

    CScaleNode scaled;
    CScaleNode reference;
};

} // namespace vex::orb::addon
