#pragma once

#include "interface/CMesh_Box.h"
#include "plugins/carextended/CCarMeshNode.h"

#include <memory>

namespace vex::orb::addon {

/// "WantedState": a small box under the cage at the pose of the state the current node is heading to.
class CWantedStateNode : public CCarMeshNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "WantedState";

    /// The node of `tool` under `cage` (which must outlive it), not created yet.
    CWantedStateNode(CCamera* tool, const SceneNode& cage) : CCarMeshNode(tool, kName, &MakeBox, &cage) {}

private:
    static std::unique_ptr<util::CMesh> MakeBox() { return std::make_unique<util::CMesh_Box>(0.2, 0.2, 0.2); }
};

} // namespace vex::orb::addon
