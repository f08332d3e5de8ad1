#pragma once

#include "plugins/carextended/CCarMeshNode.h"
#include "plugins/carextended/CMesh_TargetMesh.h"

#include <string>
#include <utility>

namespace vex::orb::addon {

/// The node a direct link moves: a helper under the link's cage showing a cube with a bar along −z,
/// so its orientation and scale can be seen. Objects parented to it are driven with it.
class CLinkedHelperNode : public CCarMeshNode {
public:
    /// The node `name` of `tool` under `cage` (which must outlive it), not created yet.
    CLinkedHelperNode(CCamera* tool, std::string name, const SceneNode& cage)
        : CCarMeshNode(tool, std::move(name), &MakeMesh<util::CMesh_TargetMesh>, &cage) {}
};

} // namespace vex::orb::addon
