#include "plugins/carextended/CMesh_GravityDirectionMesh.h"

#include "plugins/carextended/MeshParts.h"

namespace vex::util {

CMesh_GravityDirectionMesh::CMesh_GravityDirectionMesh() {
    AppendBox(*this, {0.04, 0.8, 0.04}, {0.0, -0.4, 0.0});
    AppendBox(*this, {0.2, 0.1, 0.2}, {0.0, -0.85, 0.0});
    AppendBox(*this, {0.1, 0.1, 0.1}, {0.0, -0.95, 0.0});
}

} // namespace vex::util
