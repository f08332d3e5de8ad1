#include "host/scene/CurveData.h"

#include "host/scene/BSpline.h"

#include <algorithm>

namespace vex::host {

namespace {

// Steps per knot span of the table that measures a curved spline.
constexpr int kSamplesPerSpan = 16;

} // namespace

bool CurveData::set(std::vector<MPoint> points, std::vector<double> knots, int degree, Form form) {
    if (!BSpline::Valid(knots, static_cast<int>(points.size()), degree)) return false;
    points_ = std::move(points);
    knots_ = std::move(knots);
    degree_ = degree;
    form_ = form;
    tableParams_.clear();
    tableLengths_.clear();
    return true;
}

std::shared_ptr<CurveData> CurveData::Polyline(std::vector<MPoint> points) {
    return Bspline(std::move(points), 1);
}

std::shared_ptr<CurveData> CurveData::Bspline(std::vector<MPoint> points, int degree) {
    auto curve = std::make_shared<CurveData>();
    const int n = static_cast<int>(points.size());
    if (!curve->set(std::move(points), BSpline::UniformKnots(n, degree), degree)) return nullptr;
    return curve;
}

void CurveData::Domain(double& start, double& end) const {
    if (points_.empty()) {
        start = end = 0.0;
        return;
    }
    BSpline::Domain(knots_, static_cast<int>(points_.size()), degree_, start, end);
}

MVector CurveData::Combine(double param, bool derivative) const {
    if (points_.empty()) return MVector();
    std::vector<double> n(degree_ + 1), d(degree_ + 1);
    const int first =
        BSpline::evaluate(knots_, static_cast<int>(points_.size()), degree_, param, n.data(), d.data());
    MVector sum;
    for (int j = 0; j <= degree_; ++j) sum += MVector(points_[first + j]) * (derivative ? d[j] : n[j]);
    return sum;
}

void CurveData::BuildLengthTable() const {
    if (!tableParams_.empty() || points_.empty()) return;
    // One step per knot span, subdivided for curved splines; a polyline needs only its corners.
    const int steps = degree_ == 1 ? 1 : kSamplesPerSpan;
    double start = 0.0, end = 0.0;
    Domain(start, end);
    std::vector<double> breaks{start};
    for (double k : knots_)
        if (k > breaks.back() && k <= end) breaks.push_back(k);
    tableParams_.push_back(start);
    tableLengths_.push_back(0.0);
    // Each step's length is the integral of the speed, by 5-point Gauss-Legendre quadrature (exact for
    // the constant speed of a polyline segment).
    static constexpr double kNodes[5] = {-0.9061798459386640, -0.5384693101056831, 0.0, 0.5384693101056831,
                                         0.9061798459386640};
    static constexpr double kWeights[5] = {0.2369268850561891, 0.4786286704993665, 0.5688888888888889,
                                           0.4786286704993665, 0.2369268850561891};
    for (std::size_t b = 1; b < breaks.size(); ++b)
        for (int s = 1; s <= steps; ++s) {
            const double u0 = breaks[b - 1] + (breaks[b] - breaks[b - 1]) * (s - 1) / steps;
            const double u1 = breaks[b - 1] + (breaks[b] - breaks[b - 1]) * s / steps;
            double stepLength = 0.0;
            for (int g = 0; g < 5; ++g)
                stepLength +=
                    kWeights[g] * DerivativeAt(0.5 * (u0 + u1) + 0.5 * (u1 - u0) * kNodes[g]).length();
            tableParams_.push_back(u1);
            tableLengths_.push_back(tableLengths_.back() + stepLength * 0.5 * (u1 - u0));
        }
}

double CurveData::length() const {
    BuildLengthTable();
    return tableLengths_.empty() ? 0.0 : tableLengths_.back();
}

double CurveData::ParamAtLength(double length) const {
    BuildLengthTable();
    if (tableLengths_.empty()) return 0.0;
    if (length <= 0.0) return tableParams_.front();
    if (length >= tableLengths_.back()) return tableParams_.back();
    const std::size_t i =
        std::upper_bound(tableLengths_.begin(), tableLengths_.end(), length) - tableLengths_.begin();
    const double l0 = tableLengths_[i - 1], l1 = tableLengths_[i];
    const double s = l1 > l0 ? (length - l0) / (l1 - l0) : 0.0;
    return tableParams_[i - 1] + (tableParams_[i] - tableParams_[i - 1]) * s;
}

double CurveData::LengthAtParam(double param) const {
    BuildLengthTable();
    if (tableParams_.empty()) return 0.0;
    if (param <= tableParams_.front()) return 0.0;
    if (param >= tableParams_.back()) return tableLengths_.back();
    const std::size_t i =
        std::upper_bound(tableParams_.begin(), tableParams_.end(), param) - tableParams_.begin();
    const double s = (param - tableParams_[i - 1]) / (tableParams_[i] - tableParams_[i - 1]);
    return tableLengths_[i - 1] + (tableLengths_[i] - tableLengths_[i - 1]) * s;
}

} // namespace vex::host
