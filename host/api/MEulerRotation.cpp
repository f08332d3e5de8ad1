#include <maya/MEulerRotation.h>
#include <maya/MMatrix.h>
#include <maya/MQuaternion.h>

#include <cmath>
#include <ostream>

const MEulerRotation MEulerRotation::identity;

namespace {

// The axes (0 x, 1 y, 2 z) of each order, first applied first.
constexpr int kAxes[6][3] = {{0, 1, 2}, {1, 2, 0}, {2, 0, 1}, {0, 2, 1}, {1, 0, 2}, {2, 1, 0}};

// The order whose axes are the given ones.
MEulerRotation::RotationOrder orderOf(int a0, int a1, int a2) {
    for (int o = 0; o < 6; ++o)
        if (kAxes[o][0] == a0 && kAxes[o][1] == a1 && kAxes[o][2] == a2)
            return static_cast<MEulerRotation::RotationOrder>(o);
    return MEulerRotation::kXYZ;
}

using Rotation3 = double[3][3];

// Rotation by angle about one axis in the row-vector convention (the upper 3x3 of a matrix).
void axisRotation3(int axis, double angle, Rotation3& m) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const int a = (axis + 1) % 3;
    const int b = (axis + 2) % 3;
    for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 3; ++k) m[r][k] = r == k ? 1.0 : 0.0;
    m[a][a] = c;
    m[a][b] = s;
    m[b][a] = -s;
    m[b][b] = c;
}

// out = a * b, each element summed from 0.0 in index order as MMatrix's product does.
void multiply3(const Rotation3& a, const Rotation3& b, Rotation3& out) {
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            double sum = 0.0;
            for (int k = 0; k < 3; ++k) sum += a[r][k] * b[k][c];
            out[r][c] = sum;
        }
}

// Wraps an angle into [-pi, pi].
double wrap(double a) {
    return std::remainder(a, 2.0 * M_PI);
}

} // namespace

MEulerRotation& MEulerRotation::setValue(double xx, double yy, double zz, RotationOrder ord) {
    *this = MEulerRotation(xx, yy, zz, ord);
    return *this;
}

MMatrix MEulerRotation::asMatrix() const {
    // The product of the three axis rotations on their upper 3x3 only: the terms a full 4x4
    // product adds there are zeros, so the result is the same to the bit, at a fraction of the work.
    const int* axes = kAxes[order];
    Rotation3 first;
    Rotation3 second;
    Rotation3 third;
    axisRotation3(axes[0], (*this)[axes[0]], first);
    axisRotation3(axes[1], (*this)[axes[1]], second);
    axisRotation3(axes[2], (*this)[axes[2]], third);
    Rotation3 both;
    multiply3(first, second, both);
    Rotation3 all;
    multiply3(both, third, all);
    MMatrix m;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) m(r, c) = all[r][c];
    return m;
}

MQuaternion MEulerRotation::asQuaternion() const {
    static const MVector kAxisVectors[3] = {MVector::xAxis, MVector::yAxis, MVector::zAxis};
    const int* axes = kAxes[order];
    return MQuaternion((*this)[axes[0]], kAxisVectors[axes[0]]) *
           MQuaternion((*this)[axes[1]], kAxisVectors[axes[1]]) *
           MQuaternion((*this)[axes[2]], kAxisVectors[axes[2]]);
}

MEulerRotation MEulerRotation::reorder(RotationOrder ord) const {
    if (ord == order) return *this;
    return decompose(asMatrix(), ord);
}

MEulerRotation& MEulerRotation::reorderIt(RotationOrder ord) {
    return *this = reorder(ord);
}

MEulerRotation MEulerRotation::inverse() const {
    const int* axes = kAxes[order];
    return {-x, -y, -z, orderOf(axes[2], axes[1], axes[0])};
}

MEulerRotation MEulerRotation::bound() const {
    return {wrap(x), wrap(y), wrap(z), order};
}

bool MEulerRotation::isEquivalent(const MEulerRotation& o, double tolerance) const {
    return order == o.order && std::abs(x - o.x) <= tolerance && std::abs(y - o.y) <= tolerance &&
           std::abs(z - o.z) <= tolerance;
}

bool MEulerRotation::isZero(double tolerance) const {
    return std::abs(x) <= tolerance && std::abs(y) <= tolerance && std::abs(z) <= tolerance;
}

MEulerRotation MEulerRotation::decompose(const MMatrix& matrix, RotationOrder ord) {
    // Column-vector form of the rotation with unit rows (any scale is divided out).
    double c[3][3];
    for (int r = 0; r < 3; ++r) {
        const double l = MVector(matrix(r, 0), matrix(r, 1), matrix(r, 2)).length();
        for (int k = 0; k < 3; ++k) c[k][r] = l > 0.0 ? matrix(r, k) / l : 0.0;
    }
    // Rotations about fixed axes i, then j, then k; an order that is not a cyclic shift of x, y, z
    // (odd parity) gives the negated angles of the mirrored formula.
    const int i = kAxes[ord][0];
    const int j = kAxes[ord][1];
    const int k = kAxes[ord][2];
    const bool odd = j != (i + 1) % 3;
    const double cy = std::sqrt(c[i][i] * c[i][i] + c[j][i] * c[j][i]);
    double ai, aj, ak;
    if (cy > 1.0e-12) {
        ai = std::atan2(c[k][j], c[k][k]);
        aj = std::atan2(-c[k][i], cy);
        ak = std::atan2(c[j][i], c[i][i]);
    } else {
        ai = std::atan2(-c[j][k], c[j][j]);
        aj = std::atan2(-c[k][i], cy);
        ak = 0.0;
    }
    if (odd) {
        ai = -ai;
        aj = -aj;
        ak = -ak;
    }
    MEulerRotation result(0.0, 0.0, 0.0, ord);
    double* angles[3] = {&result.x, &result.y, &result.z};
    *angles[i] = ai;
    *angles[j] = aj;
    *angles[k] = ak;
    return result;
}

MEulerRotation MEulerRotation::operator*(const MEulerRotation& o) const {
    return decompose(asMatrix() * o.asMatrix(), order);
}

bool MEulerRotation::operator==(const MEulerRotation& o) const {
    return isEquivalent(o, 0.0);
}

std::ostream& operator<<(std::ostream& out, const MEulerRotation& r) {
    static const char* const kNames[6] = {"XYZ", "YZX", "ZXY", "XZY", "YXZ", "ZYX"};
    return out << '[' << r.x << ", " << r.y << ", " << r.z << "] " << kNames[r.order];
}
