#pragma once

#include "plugins/1drotator/C1DRotatorNode.h"
#include "plugins/directinputlink/CLinkToolObject.h"

#include <array>

namespace vex::orb::addon {

/// The 1D rotator: the 1D positioner's design for a rotation. Its one channel, "Rotation", turns the
/// dummy about the cage's "Rotation Axis" (X, Y or Z; Y by default) by the filtered value f0 in
/// radians, positive by the right-hand rule; with "Integrate" the channel is the turning rate, which
/// is how a wheel or a propeller is driven.
class C1DRotatorObject : public CLinkToolObject {
public:
    static constexpr const char* kInputName = "Rotation";
    static constexpr const char* kRotationAxis = "Rotation Axis";
    static constexpr std::array<const char*, 3> kAxisNames{"X", "Y", "Z"};

    /// Copies the plug-in and the instance name; default settings, no nodes yet.
    explicit C1DRotatorObject(const CreateParam& param);

    util::Matrix<double> LinkMatrix(const Filtered& f) const override;

    /// The axis the dummy turns about: 0 (X), 1 (Y) or 2 (Z).
    int axis = 1;

    CRelativeCageNode cage;
    C1DRotatorNode rotator;

protected:
    /// "Rotation Modes" with the axis.
    std::vector<PageGroup> ToolGroups() override;
    std::vector<RecordField> ToolFields() override;
    /// Keeps a restored axis among the three.
    void Restored(bool fromRecord) override;
};

} // namespace vex::orb::addon
