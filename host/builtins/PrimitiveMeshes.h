#pragma once

#include "host/scene/MeshData.h"

#include <memory>

namespace vex::host::builtins {

/// A box centred on the origin, `width` along X, `height` along Y and `depth` along Z, each side cut
/// into the given numbers of faces; faces wind outwards and neighbouring sides share their vertices.
std::shared_ptr<MeshData> BoxMesh(double width, double height, double depth, int cutsX, int cutsY, int cutsZ);
/// A plane on XZ centred on the origin, facing +Y, cut into cutsX by cutsZ faces.
std::shared_ptr<MeshData> PlaneMesh(double width, double depth, int cutsX, int cutsZ);

} // namespace vex::host::builtins
