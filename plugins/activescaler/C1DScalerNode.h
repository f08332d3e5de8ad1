#pragma once

#include "plugins/directinputlink/CLinkedHelperNode.h"

namespace vex::orb::addon {

/// "Scaler": the dummy the scaler scales along the cage's axes.
class C1DScalerNode : public CLinkedHelperNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "Scaler";

    /// The node of `tool` under `cage` (which must outlive it), not created yet.
    C1DScalerNode(CCamera* tool, const SceneNode& cage) : CLinkedHelperNode(tool, kName, cage) {}
};

} // namespace vex::orb::addon
