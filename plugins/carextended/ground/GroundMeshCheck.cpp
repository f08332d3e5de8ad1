#include "plugins/carextended/ground/GroundMeshCheck.h"

#include "interface/CMesh.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vex::orb::addon {

namespace {

using util::Vector3;

bool IsFinite(const Vector3<double>& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

double LengthSquared(const Vector3<double>& v) {
    return v.x * v.x + v.y * v.y + v.z * v.z;
}

// A triangle counts as flat when its height over its longest edge is below this share of that edge:
// such slivers have no reliable normal, and in single precision they collapse to a line.
constexpr double kMinHeightShare = 1e-9;

bool HasArea(const Vector3<double>& a, const Vector3<double>& b, const Vector3<double>& c) {
    const Vector3<double> ab = b - a;
    const Vector3<double> ac = c - a;
    const Vector3<double> cross{ab.y * ac.z - ab.z * ac.y, ab.z * ac.x - ab.x * ac.z,
                                ab.x * ac.y - ab.y * ac.x};
    const double longest = std::max({LengthSquared(ab), LengthSquared(ac), LengthSquared(c - b)});
    // |cross| is twice the area, that is the height times the longest edge.
    const double crossSquared = LengthSquared(cross);
    return longest > 0.0 && std::isfinite(crossSquared) &&
           crossSquared > kMinHeightShare * kMinHeightShare * longest * longest;
}

} // namespace

GroundMeshStatus PrepareGroundMesh(const util::CMesh& in, util::CMesh& out) {
    out.vertices.clear();
    out.texCoords.clear();
    out.faces.clear();
    out.texFaces.clear();
    if (in.vertices.empty() || in.GetTriangleCount() == 0) return GroundMeshStatus::kEmpty;

    const auto vertexCount = static_cast<std::int64_t>(in.vertices.size());
    std::vector<std::int32_t> renumbered(in.vertices.size(), -1);
    for (std::size_t t = 0; t < in.GetTriangleCount(); ++t) {
        const std::int32_t* corner = &in.faces[3 * t];
        bool inRange = true;
        for (int k = 0; k < 3; ++k) inRange = inRange && corner[k] >= 0 && corner[k] < vertexCount;
        if (!inRange) continue;
        const Vector3<double>& a = in.vertices[static_cast<std::size_t>(corner[0])];
        const Vector3<double>& b = in.vertices[static_cast<std::size_t>(corner[1])];
        const Vector3<double>& c = in.vertices[static_cast<std::size_t>(corner[2])];
        if (!IsFinite(a) || !IsFinite(b) || !IsFinite(c) || !HasArea(a, b, c)) continue;
        for (int k = 0; k < 3; ++k) {
            std::int32_t& index = renumbered[static_cast<std::size_t>(corner[k])];
            if (index < 0) {
                index = static_cast<std::int32_t>(out.vertices.size());
                out.vertices.push_back(in.vertices[static_cast<std::size_t>(corner[k])]);
            }
            out.faces.push_back(index);
        }
    }
    return out.faces.empty() ? GroundMeshStatus::kInvalid : GroundMeshStatus::kUsable;
}

} // namespace vex::orb::addon
