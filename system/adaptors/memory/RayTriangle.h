#pragma once

#include "util/Vector3.h"

namespace vex::orb::adaptor::memory {

/// Möller–Trumbore: whether the ray `origin` + d·`direction` (d ≥ 0) meets the triangle (a, b, c),
/// from either side; on a hit, `distance` is d. A ray in the triangle's plane does not hit it.
bool IntersectRayTriangle(const util::Vector3<double>& origin, const util::Vector3<double>& direction,
                          const util::Vector3<double>& a, const util::Vector3<double>& b,
                          const util::Vector3<double>& c, double& distance);

} // namespace vex::orb::adaptor::memory
