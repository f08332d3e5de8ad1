#pragma once

#include "plugins/1dpositioner/C1DPositionerNode.h"
#include "plugins/directinputlink/CLinkToolObject.h"

namespace vex::orb::addon {

/// The 1D positioner: the direct link reduced to one channel, "Forw/Backw Transl", whose filtered value
/// f0 puts its dummy at (0, 0, −f0) in the cage, unturned; with "Integrate" the channel is the dummy's
/// velocity.
class C1DPositionerObject : public CLinkToolObject {
public:
    static constexpr const char* kInputName = "Forw/Backw Transl";

    /// Copies the plug-in and the instance name; default settings, no nodes yet.
    explicit C1DPositionerObject(const CreateParam& param);

    util::Matrix<double> LinkMatrix(const Filtered& f) const override;

    CRelativeCageNode cage;
    C1DPositionerNode positioner;
};

} // namespace vex::orb::addon
