#pragma once

#include "interface/CMesh_Box.h"
#include "plugins/carextended/CCarMeshNode.h"

#include <memory>

namespace vex::orb::addon {

/// The cage a rig's poses are relative to: a flat plate under the world with the rig's moving nodes as
/// its children (a state tool's stored states, a direct link's pose). Parented to a moving object or
/// animated, it carries the whole rig along.
class CRelativeCageNode : public CCarMeshNode {
public:
    /// The state tools' cage name in the host.
    static constexpr const char* kName = "RelativeCage";

    /// The cage `name` of `tool`, not created yet.
    CRelativeCageNode(CCamera* tool, const char* name) : CCarMeshNode(tool, name, &MakePlate, nullptr) {}

private:
    static std::unique_ptr<util::CMesh> MakePlate() {
        return std::make_unique<util::CMesh_Box>(0.6, 0.05, 0.6);
    }
};

} // namespace vex::orb::addon
