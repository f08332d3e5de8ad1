#pragma once

#include "host/scene/MeshData.h"

#include <cstdint>
#include <vector>

namespace vex::host::gui {

/// A mesh laid out for drawing: one vertex per face-vertex with its polygon's normal (so polygons
/// keep hard edges, as the host shows a new mesh), the fan triangles of each polygon, and each
/// polygon's edges for its wires.
struct MeshArrays {
    /// Floats per vertex: position (3) then normal (3).
    static constexpr int kStride = 6;

    std::vector<float> vertices;
    std::vector<std::uint32_t> triangles;
    std::vector<std::uint32_t> edges;

    static MeshArrays Build(const MeshData& mesh);
};

} // namespace vex::host::gui
