#pragma once

#include <vector>

namespace vex::host {

/// B-spline basis functions for the curve and surface data. Knot vectors come in the API's form: a
/// spline of n control points and degree p has n + p - 1 knots (the two outermost knots of the textbook
/// form are implied).
class BSpline {
public:
    /// Checks an API knot vector: n + p - 1 non-decreasing values, n > p >= 1.
    static bool Valid(const std::vector<double>& knots, int numPoints, int degree);
    /// The clamped uniform API knot vector: p zeros, 1 .. n - p - 1, then p times n - p.
    static std::vector<double> UniformKnots(int numPoints, int degree);
    /// The parameter range [knots[p - 1], knots[n - 1]].
    static void Domain(const std::vector<double>& knots, int numPoints, int degree, double& start,
                       double& end);

    /// Evaluates the p + 1 non-zero basis functions at u (clamped to the domain) and their first
    /// derivatives; answers the index of the first control point they weigh.
    static int evaluate(const std::vector<double>& knots, int numPoints, int degree, double u, double* values,
                        double* derivatives);
};

} // namespace vex::host
