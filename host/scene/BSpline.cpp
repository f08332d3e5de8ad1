#include "host/scene/BSpline.h"

#include <algorithm>

namespace vex::host {

bool BSpline::Valid(const std::vector<double>& knots, int numPoints, int degree) {
    if (degree < 1 || numPoints <= degree) return false;
    if (static_cast<int>(knots.size()) != numPoints + degree - 1) return false;
    if (!std::is_sorted(knots.begin(), knots.end())) return false;
    double start = 0.0, end = 0.0;
    Domain(knots, numPoints, degree, start, end);
    return end > start;
}

std::vector<double> BSpline::UniformKnots(int numPoints, int degree) {
    std::vector<double> knots(static_cast<std::size_t>(degree), 0.0);
    for (int k = 1; k < numPoints - degree; ++k) knots.push_back(k);
    knots.insert(knots.end(), static_cast<std::size_t>(degree), static_cast<double>(numPoints - degree));
    return knots;
}

void BSpline::Domain(const std::vector<double>& knots, int numPoints, int degree, double& start,
                     double& end) {
    start = knots[static_cast<std::size_t>(degree - 1)];
    end = knots[static_cast<std::size_t>(numPoints - 1)];
}

int BSpline::evaluate(const std::vector<double>& apiKnots, int numPoints, int degree, double u,
                      double* values, double* derivatives) {
    // Textbook knot vector U[0 .. n + p]: the API's knots with the outer ones repeated.
    const int p = degree;
    const int n = numPoints - 1;
    auto knot = [&](int i) {
        return apiKnots[static_cast<std::size_t>(
            std::clamp(i - 1, 0, static_cast<int>(apiKnots.size()) - 1))];
    };
    u = std::clamp(u, knot(p), knot(n + 1));
    // The span: the last i in [p, n] with U(i) <= u (U(i) is apiKnots[i - 1]).
    const auto first = apiKnots.begin() + (p - 1);
    const auto last = apiKnots.begin() + n;
    const int span = std::clamp(static_cast<int>(std::upper_bound(first, last, u) - apiKnots.begin()), p, n);

    // Cox–de Boor with the first derivative (Piegl and Tiller, algorithms A2.2 and A2.3 for k = 1).
    std::vector<double> left(p + 1), right(p + 1);
    std::vector<std::vector<double>> ndu(p + 1, std::vector<double>(p + 1));
    ndu[0][0] = 1.0;
    for (int j = 1; j <= p; ++j) {
        left[j] = u - knot(span + 1 - j);
        right[j] = knot(span + j) - u;
        double saved = 0.0;
        for (int r = 0; r < j; ++r) {
            ndu[j][r] = right[r + 1] + left[j - r];
            const double temp = ndu[j][r] != 0.0 ? ndu[r][j - 1] / ndu[j][r] : 0.0;
            ndu[r][j] = saved + right[r + 1] * temp;
            saved = left[j - r] * temp;
        }
        ndu[j][j] = saved;
    }
    for (int j = 0; j <= p; ++j) {
        values[j] = ndu[j][p];
        double d = 0.0;
        if (j >= 1 && ndu[p][j - 1] != 0.0) d += ndu[j - 1][p - 1] / ndu[p][j - 1];
        if (j <= p - 1 && ndu[p][j] != 0.0) d -= ndu[j][p - 1] / ndu[p][j];
        derivatives[j] = p * d;
    }
    return span - p;
}

} // namespace vex::host
