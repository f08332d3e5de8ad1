#pragma once

#include "host/scene/Data.h"

#include <maya/MPoint.h>
#include <maya/MVector.h>

#include <memory>
#include <optional>
#include <vector>

namespace vex::host {

/// A polygon mesh: vertex positions and polygons given as vertex counts and a flat list of vertex
/// indices (the API's layout). Polygons are taken as convex: a polygon of n vertices is the fan of
/// n - 2 triangles from its first vertex, for intersections and triangulation.
class MeshData : public Data {
public:
    /// A ray hit: the ray parameter (hit = source + param * direction), the polygon, the triangle within
    /// it, the barycentric weights of the triangle's second and third vertices, and the point.
    struct Hit {
        double param = 0.0;
        int polygon = -1;
        int triangle = -1;
        double bary1 = 0.0;
        double bary2 = 0.0;
        MPoint point;
    };

    MeshData() = default;
    /// Fails (answers false, mesh unchanged) when a count is below 3, the counts do not add up to the
    /// number of indices, or an index is out of range.
    bool set(std::vector<MPoint> points, std::vector<int> counts, std::vector<int> connects);
    /// A mesh of one triangle per index triple.
    static std::shared_ptr<MeshData> FromTriangles(std::vector<MPoint> points,
                                                   const std::vector<int>& triangles);

    int NumVertices() const { return static_cast<int>(points_.size()); }
    int numPolygons() const { return static_cast<int>(counts_.size()); }
    int NumFaceVertices() const { return static_cast<int>(connects_.size()); }
    const std::vector<MPoint>& Points() const { return points_; }
    const std::vector<int>& Counts() const { return counts_; }
    const std::vector<int>& Connects() const { return connects_; }
    /// Vertex indices of one polygon.
    std::vector<int> PolygonVertices(int polygon) const;
    /// Moves one vertex (ignored out of range).
    void SetPoint(int vertex, const MPoint& point);

    /// Unit normal of a polygon (Newell's method, so it follows the winding order).
    MVector PolygonNormal(int polygon) const;
    /// The same mesh with every polygon split into its fan triangles.
    std::shared_ptr<MeshData> Triangulated() const;

    /// The nearest hit of the ray with parameter in [0, maxParam] (also [-maxParam, 0) when both
    /// directions are tested; nearest means smallest |param|), or none. With a polygon mask only the
    /// polygons whose entry is true are tested.
    std::optional<Hit> closestIntersection(const MPoint& source, const MVector& direction, double maxParam,
                                           bool bothDirections = false,
                                           const std::vector<bool>* polygonMask = nullptr) const;
    /// The point of the mesh nearest to p, with the polygon it lies on; none for an empty mesh.
    std::optional<std::pair<MPoint, int>> ClosestPoint(const MPoint& p) const;

    std::shared_ptr<Data> Clone() const override { return std::make_shared<MeshData>(*this); }
    MFn::Type ApiType() const override { return MFn::kMeshData; }

private:
    // Calls f(polygon, triangle, a, b, c) for every fan triangle.
    template <class F>
    void ForEachTriangle(F&& f) const;

    std::vector<MPoint> points_;
    std::vector<int> counts_;
    std::vector<int> connects_;
    std::vector<int> offsets_; // first index of each polygon in connects_
};

} // namespace vex::host
