#include "host/scene/MeshData.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vex::host {

namespace {

// The point of triangle abc nearest to p (Ericson, Real-Time Collision Detection 5.1.5).
MPoint ClosestOnTriangle(const MPoint& p, const MPoint& a, const MPoint& b, const MPoint& c) {
    const MVector ab = b - a, ac = c - a, ap = p - a;
    const double d1 = ab * ap, d2 = ac * ap;
    if (d1 <= 0 && d2 <= 0) return a;
    const MVector bp = p - b;
    const double d3 = ab * bp, d4 = ac * bp;
    if (d3 >= 0 && d4 <= d3) return b;
    const double vc = d1 * d4 - d3 * d2;
    if (vc <= 0 && d1 >= 0 && d3 <= 0) return a + ab * (d1 / (d1 - d3));
    const MVector cp = p - c;
    const double d5 = ab * cp, d6 = ac * cp;
    if (d6 >= 0 && d5 <= d6) return c;
    const double vb = d5 * d2 - d1 * d6;
    if (vb <= 0 && d2 >= 0 && d6 <= 0) return a + ac * (d2 / (d2 - d6));
    const double va = d3 * d6 - d5 * d4;
    if (va <= 0 && (d4 - d3) >= 0 && (d5 - d6) >= 0)
        return b + (c - b) * ((d4 - d3) / ((d4 - d3) + (d5 - d6)));
    const double denom = 1.0 / (va + vb + vc);
    return a + ab * (vb * denom) + ac * (vc * denom);
}

} // namespace

bool MeshData::set(std::vector<MPoint> points, std::vector<int> counts, std::vector<int> connects) {
    std::vector<int> offsets;
    offsets.reserve(counts.size());
    std::size_t total = 0;
    for (int n : counts) {
        if (n < 3) return false;
        offsets.push_back(static_cast<int>(total));
        total += static_cast<std::size_t>(n);
    }
    if (total != connects.size()) return false;
    for (int i : connects)
        if (i < 0 || i >= static_cast<int>(points.size())) return false;
    points_ = std::move(points);
    counts_ = std::move(counts);
    connects_ = std::move(connects);
    offsets_ = std::move(offsets);
    return true;
}

std::shared_ptr<MeshData> MeshData::FromTriangles(std::vector<MPoint> points,
                                                  const std::vector<int>& triangles) {
    auto mesh = std::make_shared<MeshData>();
    if (triangles.size() % 3 != 0) return nullptr;
    if (!mesh->set(std::move(points), std::vector<int>(triangles.size() / 3, 3), triangles)) return nullptr;
    return mesh;
}

std::vector<int> MeshData::PolygonVertices(int polygon) const {
    if (polygon < 0 || polygon >= numPolygons()) return {};
    const auto first = connects_.begin() + offsets_[polygon];
    return std::vector<int>(first, first + counts_[polygon]);
}

void MeshData::SetPoint(int vertex, const MPoint& point) {
    if (vertex >= 0 && vertex < NumVertices()) points_[vertex] = point;
}

template <class F>
void MeshData::ForEachTriangle(F&& f) const {
    for (int p = 0; p < numPolygons(); ++p) {
        const int* v = connects_.data() + offsets_[p];
        for (int t = 0; t + 2 < counts_[p]; ++t) f(p, t, points_[v[0]], points_[v[t + 1]], points_[v[t + 2]]);
    }
}

MVector MeshData::PolygonNormal(int polygon) const {
    MVector n;
    const std::vector<int> v = PolygonVertices(polygon);
    for (std::size_t i = 0; i < v.size(); ++i) {
        const MPoint& a = points_[v[i]];
        const MPoint& b = points_[v[(i + 1) % v.size()]];
        n += MVector((a.y - b.y) * (a.z + b.z), (a.z - b.z) * (a.x + b.x), (a.x - b.x) * (a.y + b.y));
    }
    return n.normal();
}

std::shared_ptr<MeshData> MeshData::Triangulated() const {
    std::vector<int> triangles;
    triangles.reserve(static_cast<std::size_t>(std::max(0, NumFaceVertices() - 2 * numPolygons())) * 3);
    for (int p = 0; p < numPolygons(); ++p) {
        const int* v = connects_.data() + offsets_[p];
        for (int t = 0; t + 2 < counts_[p]; ++t)
            triangles.insert(triangles.end(), {v[0], v[t + 1], v[t + 2]});
    }
    return FromTriangles(points_, triangles);
}

std::optional<MeshData::Hit> MeshData::closestIntersection(const MPoint& source, const MVector& direction,
                                                           double maxParam, bool bothDirections,
                                                           const std::vector<bool>* polygonMask) const {
    std::optional<Hit> best;
    ForEachTriangle([&](int polygon, int triangle, const MPoint& a, const MPoint& b, const MPoint& c) {
        if (polygonMask && (polygon >= static_cast<int>(polygonMask->size()) || !(*polygonMask)[polygon]))
            return;
        // Möller–Trumbore, both faces count.
        const MVector e1 = b - a, e2 = c - a;
        const MVector pv = direction ^ e2;
        const double det = e1 * pv;
        if (std::abs(det) < 1e-300) return;
        const double inv = 1.0 / det;
        const MVector tv = source - a;
        const double u = (tv * pv) * inv;
        if (u < 0.0 || u > 1.0) return;
        const MVector qv = tv ^ e1;
        const double v = (direction * qv) * inv;
        if (v < 0.0 || u + v > 1.0) return;
        const double t = (e2 * qv) * inv;
        if (t > maxParam || (t < 0.0 && (!bothDirections || t < -maxParam))) return;
        if (best && std::abs(t) >= std::abs(best->param)) return;
        best = Hit{t, polygon, triangle, u, v, source + direction * t};
    });
    return best;
}

std::optional<std::pair<MPoint, int>> MeshData::ClosestPoint(const MPoint& p) const {
    std::optional<std::pair<MPoint, int>> best;
    double bestDistance = std::numeric_limits<double>::infinity();
    ForEachTriangle([&](int polygon, int, const MPoint& a, const MPoint& b, const MPoint& c) {
        const MPoint q = ClosestOnTriangle(p, a, b, c);
        const double d = p.distanceTo(q);
        if (d < bestDistance) {
            bestDistance = d;
            best = std::make_pair(q, polygon);
        }
    });
    return best;
}

} // namespace vex::host
