#include <maya/MEulerRotation.h>
#include <maya/MFloatVector.h>
#include <maya/MMatrix.h>
#include <maya/MPoint.h>
#include <maya/MQuaternion.h>
#include <maya/MVector.h>

#include <algorithm>
#include <cmath>
#include <ostream>

const MVector MVector::zero(0.0, 0.0, 0.0);
const MVector MVector::one(1.0, 1.0, 1.0);
const MVector MVector::xAxis(1.0, 0.0, 0.0);
const MVector MVector::yAxis(0.0, 1.0, 0.0);
const MVector MVector::zAxis(0.0, 0.0, 1.0);
const MVector MVector::xNegAxis(-1.0, 0.0, 0.0);
const MVector MVector::yNegAxis(0.0, -1.0, 0.0);
const MVector MVector::zNegAxis(0.0, 0.0, -1.0);

MVector::MVector(const MPoint& point) : x(point.x), y(point.y), z(point.z) {}

MVector::MVector(const MFloatVector& vector) : x(vector.x), y(vector.y), z(vector.z) {}

MVector& MVector::operator+=(const MVector& o) {
    return *this = *this + o;
}
MVector& MVector::operator-=(const MVector& o) {
    return *this = *this - o;
}
MVector& MVector::operator*=(double s) {
    return *this = *this * s;
}
MVector& MVector::operator/=(double s) {
    return *this = *this / s;
}

MVector MVector::operator*(const MMatrix& m) const {
    return {x * m(0, 0) + y * m(1, 0) + z * m(2, 0), x * m(0, 1) + y * m(1, 1) + z * m(2, 1),
            x * m(0, 2) + y * m(1, 2) + z * m(2, 2)};
}

MVector& MVector::operator*=(const MMatrix& m) {
    return *this = *this * m;
}

bool MVector::isEquivalent(const MVector& o, double tolerance) const {
    return std::abs(x - o.x) <= tolerance && std::abs(y - o.y) <= tolerance && std::abs(z - o.z) <= tolerance;
}

bool MVector::isParallel(const MVector& o, double tolerance) const {
    const double a = angle(o);
    return a <= tolerance || std::abs(a - M_PI) <= tolerance;
}

double MVector::length() const {
    return std::sqrt(x * x + y * y + z * z);
}

MVector MVector::normal() const {
    const double l = length();
    return l > 0.0 ? *this / l : *this;
}

void MVector::normalize() {
    *this = normal();
}

double MVector::angle(const MVector& o) const {
    const double l = length() * o.length();
    if (l == 0.0) return 0.0;
    return std::acos(std::clamp((*this * o) / l, -1.0, 1.0));
}

MVector MVector::rotateBy(const MQuaternion& q) const {
    return *this * q.asMatrix();
}

MVector MVector::rotateBy(const MEulerRotation& r) const {
    return *this * r.asMatrix();
}

MVector MVector::transformAsNormal(const MMatrix& m) const {
    return (*this * m.inverse().transpose()).normal();
}

void MVector::get(double dest[3]) const {
    dest[0] = x;
    dest[1] = y;
    dest[2] = z;
}

std::ostream& operator<<(std::ostream& out, const MVector& v) {
    return out << '[' << v.x << ", " << v.y << ", " << v.z << ']';
}

MFloatVector::MFloatVector(const MVector& v)
    : x(static_cast<float>(v.x)), y(static_cast<float>(v.y)), z(static_cast<float>(v.z)) {}

float MFloatVector::length() const {
    return std::sqrt(x * x + y * y + z * z);
}

MFloatVector MFloatVector::normal() const {
    const float l = length();
    return l > 0.0f ? *this * (1.0f / l) : *this;
}
