#pragma once

#include "plugins/directinputlink/CLinkedHelperNode.h"

namespace vex::orb::addon {

/// "Rotator": the dummy the rotator turns about one of the cage's axes.
class C1DRotatorNode : public CLinkedHelperNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "Rotator";

    /// The node of `tool` under `cage` (which must outlive it), not created yet.
    C1DRotatorNode(CCamera* tool, const SceneNode& cage) : CLinkedHelperNode(tool, kName, cage) {}
};

} // namespace vex::orb::addon
