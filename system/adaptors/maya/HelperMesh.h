#pragma once

#include "interface/CMesh.h"
#include "util/Matrix.h"

#include <maya/MDagPath.h>
#include <maya/MFloatPointArray.h>
#include <maya/MIntArray.h>
#include <maya/MObject.h>

#include <string>

namespace vex::orb::adaptor::maya {

/// The polygon shape of a helper object the system creates: flat, hard-edged, casting and receiving
/// no shadows, and not seen in reflections or refractions.
class HelperMesh {
public:
    /// Creates the shape named `name` under `transform` from the triangles of `mesh`, its points
    /// multiplied by `conversion` (core to host units); answers its path in `shape`.
    static bool Create(const util::CMesh& mesh, const MObject& transform,
                       const util::Matrix<double>& conversion, const std::string& name, MDagPath& shape);
    /// The MFnMesh arrays of `mesh`: its points multiplied by `conversion`, one 3-vertex polygon per
    /// triangle.
    static void ToArrays(const util::CMesh& mesh, const util::Matrix<double>& conversion,
                         MFloatPointArray& points, MIntArray& counts, MIntArray& connects);
};

} // namespace vex::orb::adaptor::maya
