#pragma once

#include "util/MathOps.h"
#include "util/Quat.h"
#include "util/Rotation.h"
#include "util/Vector3.h"

#include <cmath>

namespace vex::orb::addon {

// Small vector helpers the vehicle model shares between its dynamics and its pose.

/// `v` without its component along the unit vector `n`.
inline util::Vector3<double> AlongPlane(const util::Vector3<double>& v, const util::Vector3<double>& n) {
    return v - n * util::Dot(v, n);
}

/// `v` scaled to unit length, or `fallback` when it has (almost) none.
inline util::Vector3<double> UnitOr(const util::Vector3<double>& v, const util::Vector3<double>& fallback) {
    const double length = util::Length(v);
    return length > 1e-12 ? v / length : fallback;
}

/// The rotation whose −z axis is `forward` and whose y axis is as close to `up` as that allows: the
/// orientation of a camera or car frame looking along `forward`.
inline util::Quat<double> LookRotation(const util::Vector3<double>& forward,
                                       const util::Vector3<double>& up) {
    const util::Vector3<double> back = UnitOr(-forward, {0.0, 0.0, 1.0});
    util::Vector3<double> right = util::Cross(up, back);
    right = UnitOr(right, std::abs(back.y) < 0.9 ? util::Cross(util::Vector3<double>{0.0, 1.0, 0.0}, back)
                                                 : util::Vector3<double>{1.0, 0.0, 0.0});
    right = UnitOr(right, {1.0, 0.0, 0.0});
    const util::Vector3<double> y = util::Cross(back, right);
    util::Matrix<double> m;
    const util::Vector3<double> rows[3] = {right, y, back};
    for (int r = 0; r < 3; ++r) {
        m.m[r][0] = rows[r].x;
        m.m[r][1] = rows[r].y;
        m.m[r][2] = rows[r].z;
    }
    return util::ToQuat(m);
}

/// The shortest rotation that turns the unit vector `from` into the unit vector `to`.
inline util::Quat<double> RotationBetween(const util::Vector3<double>& from,
                                          const util::Vector3<double>& to) {
    const double d = util::Dot(from, to);
    if (d < -0.999999) {
        util::Vector3<double> axis = util::Cross(util::Vector3<double>{1.0, 0.0, 0.0}, from);
        if (util::LengthSquared(axis) < 1e-12) axis = util::Cross(util::Vector3<double>{0.0, 1.0, 0.0}, from);
        axis = UnitOr(axis, {0.0, 0.0, 1.0});
        return {axis.x, axis.y, axis.z, 0.0};
    }
    const util::Vector3<double> c = util::Cross(from, to);
    return util::Normalized(util::Quat<double>{c.x, c.y, c.z, 1.0 + d});
}

} // namespace vex::orb::addon
