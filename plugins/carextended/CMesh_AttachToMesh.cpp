#include "plugins/carextended/CMesh_AttachToMesh.h"

#include "plugins/carextended/MeshParts.h"

namespace vex::util {

CMesh_AttachToMesh::CMesh_AttachToMesh() {
    AppendBox(*this, {0.3, 0.02, 0.02}, {});
    AppendBox(*this, {0.02, 0.3, 0.02}, {});
    AppendBox(*this, {0.02, 0.02, 0.3}, {});
}

} // namespace vex::util
