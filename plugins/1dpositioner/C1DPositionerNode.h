#pragma once

#include "plugins/directinputlink/CLinkedHelperNode.h"

namespace vex::orb::addon {

/// "Positioner": the dummy the positioner moves along the cage's −z axis.
class C1DPositionerNode : public CLinkedHelperNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "Positioner";

    /// The node of `tool` under `cage` (which must outlive it), not created yet.
    C1DPositionerNode(CCamera* tool, const SceneNode& cage) : CLinkedHelperNode(tool, kName, cage) {}
};

} // namespace vex::orb::addon
