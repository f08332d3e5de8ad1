#pragma once

#include "util/Vector3.h"

#include <cstdint>
#include <vector>

namespace vex::util {

/// Plain triangle geometry: helper objects that tools create and ground geometry that tools keep.
/// Three face indices make one triangle; texture faces index the texture coordinates the same way.
class CMesh {
public:
    std::vector<Vector3<double>> vertices;
    std::vector<Vector3<double>> texCoords;
    std::vector<int32_t> faces;
    std::vector<int32_t> texFaces;

    virtual ~CMesh() = default;

    /// Number of whole triangles in `faces`.
    size_t GetTriangleCount() const { return faces.size() / 3; }
};

} // namespace vex::util
