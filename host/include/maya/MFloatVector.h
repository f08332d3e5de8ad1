#pragma once

class MVector;

/// A direction with single-precision components (used by the mesh intersection calls).
class MFloatVector {
public:
    MFloatVector() = default;
    MFloatVector(float xx, float yy, float zz = 0.0f) : x(xx), y(yy), z(zz) {}
    /// Rounds the components of a double vector.
    MFloatVector(const MVector& v);

    float operator[](unsigned int i) const { return i == 0 ? x : (i == 1 ? y : z); }
    MFloatVector operator+(const MFloatVector& o) const { return {x + o.x, y + o.y, z + o.z}; }
    MFloatVector operator-(const MFloatVector& o) const { return {x - o.x, y - o.y, z - o.z}; }
    MFloatVector operator*(float s) const { return {x * s, y * s, z * s}; }
    bool operator==(const MFloatVector& o) const { return x == o.x && y == o.y && z == o.z; }
    bool operator!=(const MFloatVector& o) const { return !(*this == o); }
    /// Euclidean length.
    float length() const;
    /// A unit vector in the same direction.
    MFloatVector normal() const;

    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};
