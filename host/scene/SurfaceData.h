#pragma once

#include "host/scene/Data.h"
#include "host/scene/MeshData.h"

#include <maya/MPoint.h>
#include <maya/MVector.h>

#include <memory>
#include <optional>
#include <vector>

namespace vex::host {

/// A non-rational B-spline surface: a grid of control points (u-major: index u * numV + v), degrees and
/// API knots in u and v. Enough for positions, normals and ray intersection.
class SurfaceData : public Data {
public:
    /// A ray hit: surface parameters, ray parameter (point = source + param * direction) and the point.
    struct Hit {
        double u = 0.0;
        double v = 0.0;
        double param = 0.0;
        MPoint point;
    };

    SurfaceData() = default;
    /// Fails (answers false, surface unchanged) when the knots do not fit the grid and degrees.
    bool set(std::vector<MPoint> points, int numU, int numV, std::vector<double> knotsU,
             std::vector<double> knotsV, int degreeU, int degreeV);
    /// A clamped uniform surface over the grid.
    static std::shared_ptr<SurfaceData> Uniform(std::vector<MPoint> points, int numU, int numV, int degreeU,
                                                int degreeV);

    int NumU() const { return numU_; }
    int NumV() const { return numV_; }
    int DegreeU() const { return degreeU_; }
    int DegreeV() const { return degreeV_; }
    const std::vector<MPoint>& Points() const { return points_; }
    const std::vector<double>& KnotsU() const { return knotsU_; }
    const std::vector<double>& KnotsV() const { return knotsV_; }
    /// Parameter ranges.
    void Domain(double& startU, double& endU, double& startV, double& endV) const;

    /// Position, partial derivatives and unit normal (dS/du x dS/dv) at (u, v), clamped to the domain.
    MPoint PointAt(double u, double v) const;
    void Partials(double u, double v, MVector& du, MVector& dv) const;
    MVector NormalAt(double u, double v) const;

    /// The hit of the ray (forward only) nearest to its source, or none.
    std::optional<Hit> intersect(const MPoint& source, const MVector& direction) const;

    std::shared_ptr<Data> Clone() const override { return std::make_shared<SurfaceData>(*this); }
    MFn::Type ApiType() const override { return MFn::kNurbsSurfaceData; }

private:
    // Position and partials in one pass.
    void evaluate(double u, double v, MPoint* point, MVector* du, MVector* dv) const;
    // The sample parameters in one direction: the distinct knots, subdivided for curved directions.
    std::vector<double> Samples(const std::vector<double>& knots, int num, int degree) const;
    void BuildTessellation() const;

    std::vector<MPoint> points_;
    int numU_ = 0;
    int numV_ = 0;
    std::vector<double> knotsU_;
    std::vector<double> knotsV_;
    int degreeU_ = 1;
    int degreeV_ = 1;
    // A quad mesh of sample points, built on first intersection, with the parameters of each sample.
    mutable std::shared_ptr<MeshData> mesh_;
    mutable std::vector<double> sampleU_;
    mutable std::vector<double> sampleV_;
};

} // namespace vex::host
