#pragma once

#include "interface/CMesh.h"
#include "util/Vector3.h"

#include <vector>

namespace vex::util {

/// Appends a box of sides `size` centred on `centre` to `mesh`: the pieces the vehicle's helper meshes
/// are built from.
void AppendBox(CMesh& mesh, const Vector3<double>& size, const Vector3<double>& centre);

/// Appends a closed cylinder of radius `radius` and length `length` around the x axis, centred on
/// `centre`, made of `segments` sides.
void AppendXCylinder(CMesh& mesh, double radius, double length, int segments, const Vector3<double>& centre);

/// The meshes of `meshes` as one mesh: their vertices one after another, the faces renumbered.
CMesh MergeMeshes(const std::vector<CMesh>& meshes);

} // namespace vex::util
