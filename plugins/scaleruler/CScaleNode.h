#pragma once

#include "plugins/carextended/CCarMeshNode.h"
#include "plugins/carextended/CMesh_TargetMesh.h"

#include <string>
#include <utility>

namespace vex::orb::addon {

/// A helper of the scale ruler's scaled node and its reference, under the world; the user parents or
/// constrains it to the object it stands for.
class CScaleNode : public CCarMeshNode {
public:
    /// The helper `name` of `tool`, not created yet.
    CScaleNode(CCamera* tool, std::string name)
        : CCarMeshNode(tool, std::move(name), &MakeMesh<util::CMesh_TargetMesh>, nullptr) {}
};

} // namespace vex::orb::addon
