#pragma once

#include <maya/MVector.h>

#include <iosfwd>

class MMatrix;
class MQuaternion;

/// Three rotations in radians about the x, y and z axes, applied in the order the rotation order names
/// (kXYZ: about x first, then y, then z, each about the fixed axes).
class MEulerRotation {
public:
    enum RotationOrder { kXYZ, kYZX, kZXY, kXZY, kYXZ, kZYX };

    MEulerRotation() = default;
    MEulerRotation(double xx, double yy, double zz, RotationOrder ord = kXYZ)
        : x(xx), y(yy), z(zz), order(ord) {}
    MEulerRotation(const MVector& v, RotationOrder ord = kXYZ) : x(v.x), y(v.y), z(v.z), order(ord) {}

    /// Sets the three angles and the order.
    MEulerRotation& setValue(double xx, double yy, double zz, RotationOrder ord = kXYZ);
    /// The rotation as a matrix (R = Rfirst * Rsecond * Rthird in the row-vector convention).
    MMatrix asMatrix() const;
    /// The rotation as a quaternion.
    MQuaternion asQuaternion() const;
    /// The three angles as a vector.
    MVector asVector() const { return {x, y, z}; }
    /// The same rotation expressed in another order.
    MEulerRotation reorder(RotationOrder ord) const;
    /// Reorders in place.
    MEulerRotation& reorderIt(RotationOrder ord);
    /// The inverse rotation (negated angles, reversed order).
    MEulerRotation inverse() const;
    /// The same rotation with every angle in [-pi, pi].
    MEulerRotation bound() const;
    /// True when angles and order match within tolerance.
    bool isEquivalent(const MEulerRotation& o, double tolerance = 1.0e-10) const;
    /// True when every angle is within tolerance of zero.
    bool isZero(double tolerance = 1.0e-10) const;

    /// The rotation part of a matrix (scale and shear removed first) as angles in the given order.
    static MEulerRotation decompose(const MMatrix& matrix, RotationOrder ord);

    double operator[](unsigned int i) const { return i == 0 ? x : (i == 1 ? y : z); }
    /// Angle-wise sum and difference (order of the left operand).
    MEulerRotation operator+(const MEulerRotation& o) const { return {x + o.x, y + o.y, z + o.z, order}; }
    MEulerRotation operator-(const MEulerRotation& o) const { return {x - o.x, y - o.y, z - o.z, order}; }
    MEulerRotation operator-() const { return {-x, -y, -z, order}; }
    MEulerRotation operator*(double s) const { return {x * s, y * s, z * s, order}; }
    /// This rotation followed by o, expressed in this rotation's order.
    MEulerRotation operator*(const MEulerRotation& o) const;
    bool operator==(const MEulerRotation& o) const;
    bool operator!=(const MEulerRotation& o) const { return !(*this == o); }

    static const MEulerRotation identity;

    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    RotationOrder order = kXYZ;
};

/// Writes "[x, y, z]" and the order.
std::ostream& operator<<(std::ostream& out, const MEulerRotation& r);
