#pragma once

class MPoint;

/// A position with single-precision components (used by the mesh creation and intersection calls).
class MFloatPoint {
public:
    MFloatPoint() = default;
    MFloatPoint(float xx, float yy, float zz = 0.0f, float ww = 1.0f) : x(xx), y(yy), z(zz), w(ww) {}
    /// Rounds the components of a double point.
    MFloatPoint(const MPoint& p);

    float operator[](unsigned int i) const { return i == 0 ? x : (i == 1 ? y : (i == 2 ? z : w)); }
    bool operator==(const MFloatPoint& o) const { return x == o.x && y == o.y && z == o.z && w == o.w; }
    bool operator!=(const MFloatPoint& o) const { return !(*this == o); }
    /// Distance between the cartesian forms.
    float distanceTo(const MFloatPoint& o) const;

    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float w = 1.0f;
};
