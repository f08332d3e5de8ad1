#pragma once

#include "util/Matrix.h"
#include "util/Vector3.h"

namespace vex::orb::core::test {

/// Row `row` of `m`: a basis axis (0 … 2) or the position (3).
inline util::Vector3<double> Row(const util::Matrix<double>& m, int row) {
    return {m.m[row][0], m.m[row][1], m.m[row][2]};
}

/// The cosine of the angle between the camera `camera`'s −z axis and the direction to `point`: 1 when
/// the camera looks straight at it.
inline double AimCosine(const util::Matrix<double>& camera, const util::Vector3<double>& point) {
    const util::Vector3<double> to = point - Row(camera, 3);
    const util::Vector3<double> z = Row(camera, 2);
    return -util::Dot(z, to) / (util::Length(z) * util::Length(to));
}

} // namespace vex::orb::core::test
