#pragma once

#include "interface/CMesh_Box.h"
#include "plugins/carextended/CCarMeshNode.h"

#include <memory>

namespace vex::orb::addon {

/// "RayHit": a small box the tool puts where the ray hits, turned to the surface (RayCast.h); objects
/// parented to it follow the hit. Under the world; the tool writes its world matrix every step.
class CRayHitNode : public CCarMeshNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "RayHit";

    /// The hit node of `tool`, not created yet.
    explicit CRayHitNode(CCamera* tool) : CCarMeshNode(tool, kName, &MakeBox, nullptr) {}

private:
    static std::unique_ptr<util::CMesh> MakeBox() { return std::make_unique<util::CMesh_Box>(0.1, 0.1, 0.1); }
};

} // namespace vex::orb::addon
