#pragma once

#include <maya/MVector.h>

class MMatrix;
class MEulerRotation;

/// A rotation as a unit quaternion (x, y, z imaginary, w real). a * b applies a first, then b, like the
/// product of their matrices.
class MQuaternion {
public:
    MQuaternion() = default;
    MQuaternion(double xx, double yy, double zz, double ww) : x(xx), y(yy), z(zz), w(ww) {}
    /// Rotation by angle (radians) about axis.
    MQuaternion(double angle, const MVector& axis);
    /// The shortest rotation taking direction a onto direction b.
    MQuaternion(const MVector& a, const MVector& b);

    /// Sets the rotation from the rotation part of a matrix.
    MQuaternion& operator=(const MMatrix& m);
    /// The rotation as a matrix.
    MMatrix asMatrix() const;
    /// The rotation as Euler angles in the order kXYZ.
    MEulerRotation asEulerRotation() const;
    /// Rotation angle (radians) and axis; false for the identity (axis then x).
    bool getAxisAngle(MVector& axis, double& angle) const;
    /// Sets the rotation to angle (radians) about axis.
    MQuaternion& setAxisAngle(const MVector& axis, double angle);

    MQuaternion operator*(const MQuaternion& o) const;
    MQuaternion& operator*=(const MQuaternion& o);
    MQuaternion operator+(const MQuaternion& o) const { return {x + o.x, y + o.y, z + o.z, w + o.w}; }
    MQuaternion operator-(const MQuaternion& o) const { return {x - o.x, y - o.y, z - o.z, w - o.w}; }
    MQuaternion operator-() const { return {-x, -y, -z, -w}; }
    bool operator==(const MQuaternion& o) const { return x == o.x && y == o.y && z == o.z && w == o.w; }
    bool operator!=(const MQuaternion& o) const { return !(*this == o); }
    /// True when the two describe the same rotation within tolerance (q and -q are the same).
    bool isEquivalent(const MQuaternion& o, double tolerance = 1.0e-10) const;

    /// The conjugate (the inverse of a unit quaternion).
    MQuaternion conjugate() const { return {-x, -y, -z, w}; }
    /// The inverse.
    MQuaternion inverse() const;
    /// The quaternion scaled to unit length.
    MQuaternion normal() const;
    MQuaternion& normalizeIt();

    static const MQuaternion identity;

    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    double w = 1.0;
};

/// Spherical interpolation from a to b by t in [0, 1] along the shorter arc.
MQuaternion slerp(const MQuaternion& a, const MQuaternion& b, double t);
