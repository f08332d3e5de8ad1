#pragma once

#include "util/Vector3.h"

#include <cstdint>
#include <vector>

namespace vex::util {

/// Plain triangle geometry: helper objects that tools create and ground geometry that tools keep.
/// Three face indices make one triangle; texture faces index the texture coordinates the same way.
/// Helper meshes (CMesh_Box, CMesh_Cylinder and the tools' own) derive from it and only fill the
/// arrays in their constructor; CMeshStorage.h holds the stored forms.
class CMesh {
public:
    /// Vertex positions.
    std::vector<Vector3<double>> vertices;
    /// Texture coordinates.
    std::vector<Vector3<double>> texCoords;
    /// Vertex indices, three per triangle.
    std::vector<int32_t> faces;
    /// Texture-coordinate indices, three per triangle.
    std::vector<int32_t> texFaces;

    virtual ~CMesh() = default;

    /// Number of whole triangles in `faces`.
    size_t GetTriangleCount() const { return faces.size() / 3; }
};

} // namespace vex::util
