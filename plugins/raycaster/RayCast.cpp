#include "plugins/raycaster/RayCast.h"

#include "util/MathOps.h"
#include "util/Rotation.h"

#include <cmath>

namespace vex::orb::addon {
namespace {

using V = util::Vector3<double>;

V Row(const util::Matrix<double>& m, int row) {
    return {m.m[row][0], m.m[row][1], m.m[row][2]};
}

// `v` without its part along the unit `n`, as a unit vector; false when nothing is left.
bool Flattened(V v, const V& n, V& out) {
    v = v - n * util::Dot(v, n);
    const double length = util::Length(v);
    if (!(length > 1e-9)) return false;
    out = v / length;
    return true;
}

} // namespace

std::array<double, kRayOutputCount> RayOutputs(const RayHitState& state) {
    return {static_cast<double>(state.hit),
            state.distance,
            state.point.x,
            state.point.y,
            state.point.z,
            state.normal.x,
            state.normal.y,
            state.normal.z};
}

GroundRay RayOf(const util::Matrix<double>& originWorld, double maximumDistance) {
    V direction = -Row(originWorld, 2);
    const double length = util::Length(direction);
    if (length > 0.0) direction = direction / length;
    return {Row(originWorld, 3), direction, length > 0.0 ? maximumDistance : 0.0};
}

RayHitState HitStateOf(const GroundRay& ray, const GroundHit& hit) {
    if (!hit.hit) return {0, ray.length, ray.origin + ray.direction * ray.length, {}};
    return {1, hit.distance, hit.point, hit.normal};
}

util::Matrix<double> HitNodeMatrix(const RayHitState& state, const util::Matrix<double>& originWorld) {
    util::Matrix<double> m = util::ToMatrix(util::ToQTransform(originWorld));
    if (state.hit != 0) {
        const V y = state.normal;
        V z;
        if (!Flattened(Row(originWorld, 1), y, z) && !Flattened(Row(originWorld, 0), y, z))
            z = {0.0, 0.0, 1.0};
        const V x = util::Cross(y, z);
        const V rows[3] = {x, y, z};
        for (int i = 0; i < 3; ++i) {
            m.m[i][0] = rows[i].x;
            m.m[i][1] = rows[i].y;
            m.m[i][2] = rows[i].z;
        }
    }
    m.m[3][0] = state.point.x;
    m.m[3][1] = state.point.y;
    m.m[3][2] = state.point.z;
    return m;
}

} // namespace vex::orb::addon
