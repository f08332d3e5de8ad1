#include <maya/MEulerRotation.h>
#include <maya/MMatrix.h>
#include <maya/MQuaternion.h>

#include <algorithm>
#include <cmath>

const MQuaternion MQuaternion::identity;

MQuaternion::MQuaternion(double angle, const MVector& axis) {
    setAxisAngle(axis, angle);
}

MQuaternion::MQuaternion(const MVector& a, const MVector& b) {
    const MVector from = a.normal();
    const MVector to = b.normal();
    const double d = std::clamp(from * to, -1.0, 1.0);
    if (d >= 1.0 - 1.0e-15) return; // already aligned: identity
    MVector axis = from ^ to;
    if (axis.length() < 1.0e-12) {
        // Opposite directions: half a turn about any axis perpendicular to from.
        axis = from ^ MVector::xAxis;
        if (axis.length() < 1.0e-6) axis = from ^ MVector::yAxis;
    }
    setAxisAngle(axis, std::acos(d));
}

MQuaternion& MQuaternion::setAxisAngle(const MVector& axis, double angle) {
    const MVector n = axis.normal();
    const double s = std::sin(angle * 0.5);
    *this = MQuaternion(n.x * s, n.y * s, n.z * s, std::cos(angle * 0.5));
    return *this;
}

bool MQuaternion::getAxisAngle(MVector& axis, double& angle) const {
    const MQuaternion q = normal();
    const double s = std::sqrt(q.x * q.x + q.y * q.y + q.z * q.z);
    if (s < 1.0e-15) {
        axis = MVector::xAxis;
        angle = 0.0;
        return false;
    }
    axis = MVector(q.x / s, q.y / s, q.z / s);
    angle = 2.0 * std::atan2(s, q.w);
    return true;
}

MQuaternion& MQuaternion::operator=(const MMatrix& m) {
    // Rows normalised so a scaled matrix gives its rotation; c is the column-vector form.
    double c[3][3];
    for (int r = 0; r < 3; ++r) {
        const double l = MVector(m(r, 0), m(r, 1), m(r, 2)).length();
        for (int k = 0; k < 3; ++k) c[k][r] = l > 0.0 ? m(r, k) / l : 0.0;
    }
    const double trace = c[0][0] + c[1][1] + c[2][2];
    if (trace > 0.0) {
        const double s = 0.5 / std::sqrt(trace + 1.0);
        *this =
            MQuaternion((c[2][1] - c[1][2]) * s, (c[0][2] - c[2][0]) * s, (c[1][0] - c[0][1]) * s, 0.25 / s);
    } else if (c[0][0] > c[1][1] && c[0][0] > c[2][2]) {
        const double s = 2.0 * std::sqrt(1.0 + c[0][0] - c[1][1] - c[2][2]);
        *this =
            MQuaternion(0.25 * s, (c[0][1] + c[1][0]) / s, (c[0][2] + c[2][0]) / s, (c[2][1] - c[1][2]) / s);
    } else if (c[1][1] > c[2][2]) {
        const double s = 2.0 * std::sqrt(1.0 + c[1][1] - c[0][0] - c[2][2]);
        *this =
            MQuaternion((c[0][1] + c[1][0]) / s, 0.25 * s, (c[1][2] + c[2][1]) / s, (c[0][2] - c[2][0]) / s);
    } else {
        const double s = 2.0 * std::sqrt(1.0 + c[2][2] - c[0][0] - c[1][1]);
        *this =
            MQuaternion((c[0][2] + c[2][0]) / s, (c[1][2] + c[2][1]) / s, 0.25 * s, (c[1][0] - c[0][1]) / s);
    }
    return normalizeIt();
}

MMatrix MQuaternion::asMatrix() const {
    const MQuaternion q = normal();
    const double xx = q.x * q.x, yy = q.y * q.y, zz = q.z * q.z;
    const double xy = q.x * q.y, xz = q.x * q.z, yz = q.y * q.z;
    const double wx = q.w * q.x, wy = q.w * q.y, wz = q.w * q.z;
    // Transpose of the column-vector rotation matrix.
    MMatrix m;
    m(0, 0) = 1.0 - 2.0 * (yy + zz);
    m(0, 1) = 2.0 * (xy + wz);
    m(0, 2) = 2.0 * (xz - wy);
    m(1, 0) = 2.0 * (xy - wz);
    m(1, 1) = 1.0 - 2.0 * (xx + zz);
    m(1, 2) = 2.0 * (yz + wx);
    m(2, 0) = 2.0 * (xz + wy);
    m(2, 1) = 2.0 * (yz - wx);
    m(2, 2) = 1.0 - 2.0 * (xx + yy);
    return m;
}

MEulerRotation MQuaternion::asEulerRotation() const {
    return MEulerRotation::decompose(asMatrix(), MEulerRotation::kXYZ);
}

MQuaternion MQuaternion::operator*(const MQuaternion& o) const {
    // Applying this first and o second is the Hamilton product o * this.
    const MQuaternion& a = o;
    const MQuaternion& b = *this;
    return {a.w * b.x + a.x * b.w + a.y * b.z - a.z * b.y, a.w * b.y - a.x * b.z + a.y * b.w + a.z * b.x,
            a.w * b.z + a.x * b.y - a.y * b.x + a.z * b.w, a.w * b.w - a.x * b.x - a.y * b.y - a.z * b.z};
}

MQuaternion& MQuaternion::operator*=(const MQuaternion& o) {
    return *this = *this * o;
}

bool MQuaternion::isEquivalent(const MQuaternion& o, double tolerance) const {
    const double dot = x * o.x + y * o.y + z * o.z + w * o.w;
    const double sign = dot < 0.0 ? -1.0 : 1.0;
    return std::abs(x - sign * o.x) <= tolerance && std::abs(y - sign * o.y) <= tolerance &&
           std::abs(z - sign * o.z) <= tolerance && std::abs(w - sign * o.w) <= tolerance;
}

MQuaternion MQuaternion::inverse() const {
    const double n = x * x + y * y + z * z + w * w;
    if (n == 0.0) return *this;
    return {-x / n, -y / n, -z / n, w / n};
}

MQuaternion MQuaternion::normal() const {
    const double n = std::sqrt(x * x + y * y + z * z + w * w);
    if (n == 0.0) return identity;
    return {x / n, y / n, z / n, w / n};
}

MQuaternion& MQuaternion::normalizeIt() {
    return *this = normal();
}

MQuaternion slerp(const MQuaternion& a, const MQuaternion& b, double t) {
    MQuaternion to = b;
    double d = a.x * b.x + a.y * b.y + a.z * b.z + a.w * b.w;
    if (d < 0.0) {
        to = -b;
        d = -d;
    }
    if (d > 1.0 - 1.0e-9) // nearly the same: a straight blend is exact enough and avoids dividing by ~0
        return MQuaternion(a.x + (to.x - a.x) * t, a.y + (to.y - a.y) * t, a.z + (to.z - a.z) * t,
                           a.w + (to.w - a.w) * t)
            .normal();
    const double angle = std::acos(d);
    const double s = std::sin(angle);
    const double wa = std::sin((1.0 - t) * angle) / s;
    const double wb = std::sin(t * angle) / s;
    return {a.x * wa + to.x * wb, a.y * wa + to.y * wb, a.z * wa + to.z * wb, a.w * wa + to.w * wb};
}
