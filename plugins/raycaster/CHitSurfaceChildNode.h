#pragma once

#include "interface/CMesh_Box.h"
#include "plugins/carextended/CCarMeshNode.h"

#include <memory>

namespace vex::orb::addon {

/// "HitSurfaceChild": names the surfaces the ray is cast against, as the four-wheeler's
/// GravityDirectionMesh names its ground: the mesh this node is parented to, and the meshes parented
/// to it. A flat plate under the world until the user parents it.
class CHitSurfaceChildNode : public CCarMeshNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "HitSurfaceChild";

    /// The node of `tool`, not created yet.
    explicit CHitSurfaceChildNode(CCamera* tool) : CCarMeshNode(tool, kName, &MakePlate, nullptr) {}

private:
    static std::unique_ptr<util::CMesh> MakePlate() {
        return std::make_unique<util::CMesh_Box>(0.3, 0.02, 0.3);
    }
};

} // namespace vex::orb::addon
