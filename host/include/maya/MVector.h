#pragma once

#include <iosfwd>

class MPoint;
class MFloatVector;
class MMatrix;
class MQuaternion;
class MEulerRotation;

/// A direction or offset with double components; row vector in products with MMatrix.
class MVector {
public:
    enum Axis { kXaxis, kYaxis, kZaxis, kWaxis };

    MVector() = default;
    MVector(double xx, double yy, double zz = 0.0) : x(xx), y(yy), z(zz) {}
    /// The x, y, z of a point (w ignored).
    MVector(const MPoint& point);
    MVector(const MFloatVector& vector);
    MVector(const double d[3]) : x(d[0]), y(d[1]), z(d[2]) {}

    /// Component by index 0..2.
    double operator[](unsigned int i) const { return i == 0 ? x : (i == 1 ? y : z); }
    double& operator[](unsigned int i) { return i == 0 ? x : (i == 1 ? y : z); }
    double operator()(unsigned int i) const { return (*this)[i]; }

    MVector operator+(const MVector& o) const { return {x + o.x, y + o.y, z + o.z}; }
    MVector operator-(const MVector& o) const { return {x - o.x, y - o.y, z - o.z}; }
    MVector operator-() const { return {-x, -y, -z}; }
    MVector operator*(double s) const { return {x * s, y * s, z * s}; }
    MVector operator/(double s) const { return {x / s, y / s, z / s}; }
    MVector& operator+=(const MVector& o);
    MVector& operator-=(const MVector& o);
    MVector& operator*=(double s);
    MVector& operator/=(double s);
    /// Dot product.
    double operator*(const MVector& o) const { return x * o.x + y * o.y + z * o.z; }
    /// Cross product.
    MVector operator^(const MVector& o) const {
        return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x};
    }
    /// The direction transformed by the matrix's upper 3x3 (translation ignored).
    MVector operator*(const MMatrix& m) const;
    MVector& operator*=(const MMatrix& m);

    bool operator==(const MVector& o) const { return x == o.x && y == o.y && z == o.z; }
    bool operator!=(const MVector& o) const { return !(*this == o); }
    /// True when every component differs by at most tolerance.
    bool isEquivalent(const MVector& o, double tolerance = 1.0e-10) const;
    /// True when the two directions are parallel or opposite within tolerance (angle in radians).
    bool isParallel(const MVector& o, double tolerance = 1.0e-10) const;

    /// Euclidean length.
    double length() const;
    /// A unit vector in the same direction (the zero vector stays zero).
    MVector normal() const;
    /// Makes the vector unit length.
    void normalize();
    /// Angle to o in radians (0..pi).
    double angle(const MVector& o) const;
    /// The vector rotated by the rotation.
    MVector rotateBy(const MQuaternion& q) const;
    MVector rotateBy(const MEulerRotation& r) const;
    /// The normal transformed by the matrix (by its inverse transpose).
    MVector transformAsNormal(const MMatrix& m) const;
    /// Copies the components into dest.
    void get(double dest[3]) const;

    static const MVector zero;
    static const MVector one;
    static const MVector xAxis;
    static const MVector yAxis;
    static const MVector zAxis;
    static const MVector xNegAxis;
    static const MVector yNegAxis;
    static const MVector zNegAxis;

    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

/// Scalar times vector.
inline MVector operator*(double s, const MVector& v) {
    return v * s;
}
/// Writes "[x, y, z]".
std::ostream& operator<<(std::ostream& out, const MVector& v);
