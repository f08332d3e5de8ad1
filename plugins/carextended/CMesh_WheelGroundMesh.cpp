#include "plugins/carextended/CMesh_WheelGroundMesh.h"

#include "plugins/carextended/MeshParts.h"

namespace vex::util {

CMesh_WheelGroundMesh::CMesh_WheelGroundMesh() {
    AppendBox(*this, {0.2, 0.005, 0.2}, {});
    AppendBox(*this, {0.02, 0.1, 0.02}, {0.0, 0.05, 0.0});
}

} // namespace vex::util
