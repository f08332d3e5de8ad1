#include "host/gui/MeshArrays.h"

namespace vex::host::gui {

MeshArrays MeshArrays::Build(const MeshData& mesh) {
    MeshArrays arrays;
    arrays.vertices.reserve(static_cast<std::size_t>(mesh.NumFaceVertices()) * kStride);
    arrays.triangles.reserve(static_cast<std::size_t>(mesh.NumFaceVertices() - 2 * mesh.numPolygons()) * 3);
    arrays.edges.reserve(static_cast<std::size_t>(mesh.NumFaceVertices()) * 2);
    const std::vector<MPoint>& points = mesh.Points();
    const std::vector<int>& connects = mesh.Connects();
    std::size_t at = 0;
    for (int polygon = 0; polygon < mesh.numPolygons(); ++polygon) {
        const auto count = static_cast<std::size_t>(mesh.Counts()[static_cast<std::size_t>(polygon)]);
        const MVector normal = mesh.PolygonNormal(polygon);
        const auto first = static_cast<std::uint32_t>(arrays.vertices.size() / kStride);
        for (std::size_t i = 0; i < count; ++i) {
            const MPoint& p = points[static_cast<std::size_t>(connects[at + i])];
            arrays.vertices.insert(arrays.vertices.end(),
                                   {static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z),
                                    static_cast<float>(normal.x), static_cast<float>(normal.y),
                                    static_cast<float>(normal.z)});
            const auto corner = static_cast<std::uint32_t>(i);
            arrays.edges.insert(arrays.edges.end(),
                                {first + corner, first + static_cast<std::uint32_t>((i + 1) % count)});
            if (i >= 2)
                arrays.triangles.insert(arrays.triangles.end(), {first, first + corner - 1, first + corner});
        }
        at += count;
    }
    return arrays;
}

} // namespace vex::host::gui
