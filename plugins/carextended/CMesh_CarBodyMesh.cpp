#include "plugins/carextended/CMesh_CarBodyMesh.h"

#include "plugins/carextended/MeshParts.h"

namespace vex::util {

CMesh_CarBodyMesh::CMesh_CarBodyMesh() {
    AppendBox(*this, {0.43, 0.16, 1.0}, {0.0, 0.12, 0.0});   // lower body
    AppendBox(*this, {0.38, 0.12, 0.48}, {0.0, 0.26, 0.04}); // cabin
    AppendBox(*this, {0.36, 0.03, 0.02}, {0.0, 0.14, -0.5}); // front bumper
}

} // namespace vex::util
