#include "host/scene/CurveData.h"

#include "host/scene/BSpline.h"

#include <algorithm>

namespace vex::host {

namespace {

// Steps per knot span of the table that measures a curved spline.
constexpr int kSamplesPerSpan = 16;

} // namespace

bool CurveData::set(std::vector<MPoint> points, std::vector<double> knots, int degree, Form form) {
    if (!BSpline::valid(knots, static_cast<int>(points.size()), degree)) return false;
    m_points = std::move(points);
    m_knots = std::move(knots);
    m_degree = degree;
    m_form = form;
    m_tableParams.clear();
    m_tableLengths.clear();
    return true;
}

std::shared_ptr<CurveData> CurveData::polyline(std::vector<MPoint> points) {
    return bspline(std::move(points), 1);
}

std::shared_ptr<CurveData> CurveData::bspline(std::vector<MPoint> points, int degree) {
    auto curve = std::make_shared<CurveData>();
    const int n = static_cast<int>(points.size());
    if (!curve->set(std::move(points), BSpline::uniformKnots(n, degree), degree)) return nullptr;
    return curve;
}

void CurveData::domain(double& start, double& end) const {
    if (m_points.empty()) {
        start = end = 0.0;
        return;
    }
    BSpline::domain(m_knots, static_cast<int>(m_points.size()), m_degree, start, end);
}

MVector CurveData::combine(double param, bool derivative) const {
    if (m_points.empty()) return MVector();
    std::vector<double> n(m_degree + 1), d(m_degree + 1);
    const int first =
        BSpline::evaluate(m_knots, static_cast<int>(m_points.size()), m_degree, param, n.data(), d.data());
    MVector sum;
    for (int j = 0; j <= m_degree; ++j) sum += MVector(m_points[first + j]) * (derivative ? d[j] : n[j]);
    return sum;
}

void CurveData::buildLengthTable() const {
    if (!m_tableParams.empty() || m_points.empty()) return;
    // One step per knot span, subdivided for curved splines; a polyline needs only its corners.
    const int steps = m_degree == 1 ? 1 : kSamplesPerSpan;
    double start = 0.0, end = 0.0;
    domain(start, end);
    std::vector<double> breaks{start};
    for (double k : m_knots)
        if (k > breaks.back() && k <= end) breaks.push_back(k);
    m_tableParams.push_back(start);
    m_tableLengths.push_back(0.0);
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
                    kWeights[g] * derivativeAt(0.5 * (u0 + u1) + 0.5 * (u1 - u0) * kNodes[g]).length();
            m_tableParams.push_back(u1);
            m_tableLengths.push_back(m_tableLengths.back() + stepLength * 0.5 * (u1 - u0));
        }
}

double CurveData::length() const {
    buildLengthTable();
    return m_tableLengths.empty() ? 0.0 : m_tableLengths.back();
}

double CurveData::paramAtLength(double length) const {
    buildLengthTable();
    if (m_tableLengths.empty()) return 0.0;
    if (length <= 0.0) return m_tableParams.front();
    if (length >= m_tableLengths.back()) return m_tableParams.back();
    const std::size_t i =
        std::upper_bound(m_tableLengths.begin(), m_tableLengths.end(), length) - m_tableLengths.begin();
    const double l0 = m_tableLengths[i - 1], l1 = m_tableLengths[i];
    const double s = l1 > l0 ? (length - l0) / (l1 - l0) : 0.0;
    return m_tableParams[i - 1] + (m_tableParams[i] - m_tableParams[i - 1]) * s;
}

double CurveData::lengthAtParam(double param) const {
    buildLengthTable();
    if (m_tableParams.empty()) return 0.0;
    if (param <= m_tableParams.front()) return 0.0;
    if (param >= m_tableParams.back()) return m_tableLengths.back();
    const std::size_t i =
        std::upper_bound(m_tableParams.begin(), m_tableParams.end(), param) - m_tableParams.begin();
    const double s = (param - m_tableParams[i - 1]) / (m_tableParams[i] - m_tableParams[i - 1]);
    return m_tableLengths[i - 1] + (m_tableLengths[i] - m_tableLengths[i - 1]) * s;
}

} // namespace vex::host
