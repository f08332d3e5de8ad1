#include <maya/MFloatPoint.h>
#include <maya/MMatrix.h>
#include <maya/MPoint.h>

#include <cmath>
#include <ostream>

const MPoint MPoint::origin;

MPoint::MPoint(const MFloatPoint& p) : x(p.x), y(p.y), z(p.z), w(p.w) {}

MVector MPoint::operator-(const MPoint& o) const {
    const MPoint a = MPoint(*this).cartesianize();
    const MPoint b = MPoint(o).cartesianize();
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

MPoint MPoint::operator+(const MVector& v) const {
    return {x + v.x, y + v.y, z + v.z, w};
}
MPoint MPoint::operator-(const MVector& v) const {
    return {x - v.x, y - v.y, z - v.z, w};
}
MPoint& MPoint::operator+=(const MVector& v) {
    return *this = *this + v;
}
MPoint& MPoint::operator-=(const MVector& v) {
    return *this = *this - v;
}
MPoint MPoint::operator+(const MPoint& o) const {
    return {x + o.x, y + o.y, z + o.z, w};
}

MPoint MPoint::operator*(const MMatrix& m) const {
    MPoint r;
    for (unsigned int c = 0; c < 4; ++c) r[c] = x * m(0, c) + y * m(1, c) + z * m(2, c) + w * m(3, c);
    return r;
}

MPoint& MPoint::operator*=(const MMatrix& m) {
    return *this = *this * m;
}

bool MPoint::isEquivalent(const MPoint& o, double tolerance) const {
    return std::abs(x - o.x) <= tolerance && std::abs(y - o.y) <= tolerance &&
           std::abs(z - o.z) <= tolerance && std::abs(w - o.w) <= tolerance;
}

double MPoint::distanceTo(const MPoint& o) const {
    return (*this - o).length();
}

MPoint& MPoint::cartesianize() {
    if (w != 0.0 && w != 1.0) {
        x /= w;
        y /= w;
        z /= w;
        w = 1.0;
    }
    return *this;
}

MPoint& MPoint::rationalize() {
    if (w != 0.0) {
        x /= w;
        y /= w;
        z /= w;
    }
    return *this;
}

MPoint& MPoint::homogenize() {
    x *= w;
    y *= w;
    z *= w;
    return *this;
}

void MPoint::get(double dest[4]) const {
    dest[0] = x;
    dest[1] = y;
    dest[2] = z;
    dest[3] = w;
}

std::ostream& operator<<(std::ostream& out, const MPoint& p) {
    return out << '[' << p.x << ", " << p.y << ", " << p.z << ", " << p.w << ']';
}

MFloatPoint::MFloatPoint(const MPoint& p)
    : x(static_cast<float>(p.x)), y(static_cast<float>(p.y)), z(static_cast<float>(p.z)),
      w(static_cast<float>(p.w)) {}

float MFloatPoint::distanceTo(const MFloatPoint& o) const {
    return static_cast<float>(MPoint(*this).distanceTo(MPoint(o)));
}
