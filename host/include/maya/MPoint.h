#pragma once

#include <maya/MVector.h>

#include <iosfwd>

class MFloatPoint;

/// A position in homogeneous coordinates (w is 1 for ordinary points); row vector in products with
/// MMatrix.
class MPoint {
public:
    MPoint() = default;
    MPoint(double xx, double yy, double zz = 0.0, double ww = 1.0) : x(xx), y(yy), z(zz), w(ww) {}
    /// The point at the vector's tip (w = 1).
    MPoint(const MVector& v) : x(v.x), y(v.y), z(v.z) {}
    MPoint(const MFloatPoint& p);
    MPoint(const double d[4]) : x(d[0]), y(d[1]), z(d[2]), w(d[3]) {}

    /// Component by index 0..3.
    double operator[](unsigned int i) const { return i == 0 ? x : (i == 1 ? y : (i == 2 ? z : w)); }
    double& operator[](unsigned int i) { return i == 0 ? x : (i == 1 ? y : (i == 2 ? z : w)); }
    double operator()(unsigned int i) const { return (*this)[i]; }

    /// Offset between two points (both taken as cartesian).
    MVector operator-(const MPoint& o) const;
    MPoint operator+(const MVector& v) const;
    MPoint operator-(const MVector& v) const;
    MPoint& operator+=(const MVector& v);
    MPoint& operator-=(const MVector& v);
    /// Component-wise sum of x, y, z (w kept), as the API's point arithmetic does.
    MPoint operator+(const MPoint& o) const;
    /// x, y, z scaled (w kept).
    MPoint operator*(double s) const { return {x * s, y * s, z * s, w}; }
    MPoint operator/(double s) const { return {x / s, y / s, z / s, w}; }
    /// The point transformed by the matrix (row vector times matrix, w included).
    MPoint operator*(const MMatrix& m) const;
    MPoint& operator*=(const MMatrix& m);

    bool operator==(const MPoint& o) const { return x == o.x && y == o.y && z == o.z && w == o.w; }
    bool operator!=(const MPoint& o) const { return !(*this == o); }
    /// True when every component differs by at most tolerance.
    bool isEquivalent(const MPoint& o, double tolerance = 1.0e-10) const;

    /// Distance between the cartesian forms.
    double distanceTo(const MPoint& o) const;
    /// Divides x, y, z by w and sets w to 1.
    MPoint& cartesianize();
    /// Divides x, y, z by w (w kept).
    MPoint& rationalize();
    /// Multiplies x, y, z by w.
    MPoint& homogenize();
    /// Copies the components into dest.
    void get(double dest[4]) const;

    static const MPoint origin;

    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    double w = 1.0;
};

/// Scalar times point.
inline MPoint operator*(double s, const MPoint& p) {
    return p * s;
}
/// Writes "[x, y, z, w]".
std::ostream& operator<<(std::ostream& out, const MPoint& p);
