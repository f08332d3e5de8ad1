#pragma once

#include "plugins/directinputlink/CLinkedHelperNode.h"

namespace vex::orb::addon {

/// "DirectInputLink": the node the six inputs move; the link's camera rides on it.
class CDirectInputLinkNode : public CLinkedHelperNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "DirectInputLink";

    /// The node of `tool` under `cage` (which must outlive it), not created yet.
    CDirectInputLinkNode(CCamera* tool, const SceneNode& cage) : CLinkedHelperNode(tool, kName, cage) {}
};

} // namespace vex::orb::addon
