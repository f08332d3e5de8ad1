#include "system/adaptors/memory/RayTriangle.h"

#include <cmath>

namespace vex::orb::adaptor::memory {

bool IntersectRayTriangle(const util::Vector3<double>& origin, const util::Vector3<double>& direction,
                          const util::Vector3<double>& a, const util::Vector3<double>& b,
                          const util::Vector3<double>& c, double& distance) {
    // Below this share of its largest possible value the determinant means "parallel to the plane".
    constexpr double kParallel = 1e-12;
    const util::Vector3<double> edge1 = b - a;
    const util::Vector3<double> edge2 = c - a;
    const util::Vector3<double> p = util::Cross(direction, edge2);
    const double det = util::Dot(edge1, p);
    const double scale = util::Length(edge1) * util::Length(edge2) * util::Length(direction);
    if (!(std::abs(det) > kParallel * scale)) return false;

    const double inverse = 1.0 / det;
    const util::Vector3<double> s = origin - a;
    const double u = util::Dot(s, p) * inverse;
    if (u < 0.0 || u > 1.0) return false;
    const util::Vector3<double> q = util::Cross(s, edge1);
    const double v = util::Dot(direction, q) * inverse;
    if (v < 0.0 || u + v > 1.0) return false;
    const double d = util::Dot(edge2, q) * inverse;
    if (d < 0.0) return false;
    distance = d;
    return true;
}

} // namespace vex::orb::adaptor::memory
