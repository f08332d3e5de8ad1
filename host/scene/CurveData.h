#pragma once

#include "host/scene/Data.h"

#include <maya/MPoint.h>
#include <maya/MVector.h>

#include <memory>
#include <vector>

namespace vex::host {

/// A non-rational B-spline curve: control points, degree and API knots (degree 1 is a polyline through
/// its points). Lengths are exact for polylines and measured on a fine polyline of the curve otherwise.
class CurveData : public Data {
public:
    /// The API's curve forms.
    enum Form { kOpen = 1, kClosed = 2, kPeriodic = 3 };

    CurveData() = default;
    /// Fails (answers false, curve unchanged) for knots that do not fit the points and degree.
    bool set(std::vector<MPoint> points, std::vector<double> knots, int degree, Form form = kOpen);
    /// A polyline through the points, parameter i at point i.
    static std::shared_ptr<CurveData> Polyline(std::vector<MPoint> points);
    /// A clamped uniform B-spline of the given degree over the points.
    static std::shared_ptr<CurveData> Bspline(std::vector<MPoint> points, int degree);

    const std::vector<MPoint>& Points() const { return points_; }
    const std::vector<double>& Knots() const { return knots_; }
    int Degree() const { return degree_; }
    Form GetForm() const { return form_; }
    bool IsEmpty() const { return points_.empty(); }
    /// The parameter range.
    void Domain(double& start, double& end) const;

    /// Position and first derivative at a parameter (clamped to the domain).
    MPoint PointAt(double param) const { return MPoint(Combine(param, false)); }
    MVector DerivativeAt(double param) const { return Combine(param, true); }
    /// Unit tangent at a parameter.
    MVector TangentAt(double param) const { return DerivativeAt(param).normal(); }

    /// Arc length of the whole curve.
    double length() const;
    /// The parameter at the given arc length from the start (clamped to [0, length]).
    double ParamAtLength(double length) const;
    /// Arc length from the start to the parameter.
    double LengthAtParam(double param) const;

    std::shared_ptr<Data> Clone() const override { return std::make_shared<CurveData>(*this); }
    MFn::Type ApiType() const override { return MFn::kNurbsCurveData; }

private:
    // The control points weighted by the basis functions (or their derivatives) at param.
    MVector Combine(double param, bool derivative) const;
    void BuildLengthTable() const;

    std::vector<MPoint> points_;
    std::vector<double> knots_;
    int degree_ = 1;
    Form form_ = kOpen;
    // Parameters along the curve and the arc length up to each, built on first use.
    mutable std::vector<double> tableParams_;
    mutable std::vector<double> tableLengths_;
};

} // namespace vex::host
