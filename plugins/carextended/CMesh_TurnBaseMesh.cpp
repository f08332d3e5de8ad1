#include "plugins/carextended/CMesh_TurnBaseMesh.h"

#include "plugins/carextended/MeshParts.h"

namespace vex::util {

CMesh_TurnBaseMesh::CMesh_TurnBaseMesh() {
    AppendBox(*this, {0.4, 0.01, 0.04}, {});
    AppendBox(*this, {0.04, 0.01, 0.4}, {});
}

} // namespace vex::util
