#pragma once

#include "interface/CMesh_Box.h"
#include "plugins/carextended/CCarMeshNode.h"

#include <memory>

namespace vex::orb::addon {

/// The cage "RelativeCage" that a state tool's stored states are relative to: a flat plate under the
/// world, with the current and the wanted state's nodes as its children. Parented to a moving object
/// or animated, it carries the whole rig along, states and all.
class CRelativeCageNode : public CCarMeshNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "RelativeCage";

    /// The cage of `tool`, not created yet.
    explicit CRelativeCageNode(CCamera* tool) : CCarMeshNode(tool, kName, &MakePlate, nullptr) {}

private:
    static std::unique_ptr<util::CMesh> MakePlate() {
        return std::make_unique<util::CMesh_Box>(0.6, 0.05, 0.6);
    }
};

} // namespace vex::orb::addon
