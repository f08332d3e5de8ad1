#pragma once

#include "interface/SceneNode.h"

#include <memory>
#include <string>

namespace vex::util {
class CMesh;
}

namespace vex::orb::addon {

/// A helper object of the vehicle rig: a host mesh node under another node of the rig (or the world),
/// written as a local transform. Each node of the rig is one of these with its own name and mesh.
class CCarMeshNode : public SceneNode {
public:
    /// Makes the helper mesh the node shows.
    using MeshMaker = std::unique_ptr<util::CMesh> (*)();

    /// The node `name` of `tool` showing `makeMesh`'s mesh under `parent`'s node (null: the world);
    /// `parent` must outlive it.
    CCarMeshNode(CCamera* tool, std::string name, MeshMaker makeMesh, const SceneNode* parent);

    /// Creates the helper object under its parent; true when the host created it.
    bool create() override;
    /// Writes `localMatrix` as the node's local transform at `t`.
    void update(double t) override;

private:
    MeshMaker makeMesh_;
    const SceneNode* parent_;
};

/// The mesh maker of a helper mesh class.
template <class Mesh>
std::unique_ptr<util::CMesh> MakeMesh() {
    return std::make_unique<Mesh>();
}

} // namespace vex::orb::addon
