#include "plugins/carextended/CMesh_TargetMesh.h"

#include "plugins/carextended/MeshParts.h"

namespace vex::util {

CMesh_TargetMesh::CMesh_TargetMesh() {
    AppendBox(*this, {0.5, 0.5, 0.5}, {});
    AppendBox(*this, {0.05, 0.05, 0.5}, {0.0, 0.0, -0.5});
}

} // namespace vex::util
