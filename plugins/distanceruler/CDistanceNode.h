#pragma once

#include "plugins/carextended/CCarMeshNode.h"
#include "plugins/carextended/CMesh_TargetMesh.h"

#include <string>
#include <utility>

namespace vex::orb::addon {

/// A helper of the distance ruler's targets: the ruler measures between two of them, under the world; the
/// user parents or constrains it to the object it stands for.
class CDistanceNode : public CCarMeshNode {
public:
    /// The helper `name` of `tool`, not created yet.
    CDistanceNode(CCamera* tool, std::string name)
        : CCarMeshNode(tool, std::move(name), &MakeMesh<util::CMesh_TargetMesh>, nullptr) {}
};

} // namespace vex::orb::addon
