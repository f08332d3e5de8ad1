#include "plugins/carextended/CMesh_SteeringWheelMesh.h"

#include "plugins/carextended/MeshParts.h"

namespace vex::util {

CMesh_SteeringWheelMesh::CMesh_SteeringWheelMesh() {
    AppendBox(*this, {0.06, 0.06, 0.06}, {}); // hub
    AppendBox(*this, {0.4, 0.03, 0.03}, {0.0, 0.18, 0.0});
    AppendBox(*this, {0.4, 0.03, 0.03}, {0.0, -0.18, 0.0});
    AppendBox(*this, {0.03, 0.4, 0.03}, {0.18, 0.0, 0.0});
    AppendBox(*this, {0.03, 0.4, 0.03}, {-0.18, 0.0, 0.0});
}

} // namespace vex::util
