#include "plugins/autofocuscam/CCurrentFocalPoint.h"

#include "interface/CMesh_Box.h"

#include <memory>

namespace vex::orb::addon {
namespace {

// Small beside the targets, so the targets stay visible where it stands on one of them.
std::unique_ptr<util::CMesh> FocalPointMesh() {
    return std::make_unique<util::CMesh_Box>(0.2, 0.2, 0.2);
}

} // namespace

CCurrentFocalPoint::CCurrentFocalPoint(CCamera* tool) : CCarMeshNode(tool, kName, &FocalPointMesh, nullptr) {}

} // namespace vex::orb::addon
