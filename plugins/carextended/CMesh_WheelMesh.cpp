#include "plugins/carextended/CMesh_WheelMesh.h"

#include "plugins/carextended/MeshParts.h"

namespace vex::util {

CMesh_WheelMesh::CMesh_WheelMesh() {
    AppendXCylinder(*this, 1.0, 1.0, 24, {});
    AppendBox(*this, {1.02, 0.15, 0.15}, {0.0, 0.9, 0.0});
}

} // namespace vex::util
