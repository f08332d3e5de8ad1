#include "plugins/common/AimAt.h"

#include "util/MathOps.h"

namespace vex::orb::addon {
namespace {

using V = util::Vector3<double>;

// Below this length an axis counts as degenerate.
constexpr double kDegenerate = 1e-9;

V Row(const util::Matrix<double>& m, int i) {
    return {m.m[i][0], m.m[i][1], m.m[i][2]};
}

void SetRow(util::Matrix<double>& m, int i, const V& v) {
    m.m[i][0] = v.x;
    m.m[i][1] = v.y;
    m.m[i][2] = v.z;
}

} // namespace

util::Vector3<double> PositionOf(const util::Matrix<double>& world) {
    return Row(world, 3);
}

util::Matrix<double> AimedAt(const util::Matrix<double>& cameraWorld, const util::Vector3<double>& point) {
    const V eye = PositionOf(cameraWorld);
    V z = eye - point;
    const double distance = util::Length(z);
    if (distance <= kDegenerate) return cameraWorld;
    z = z / distance;
    V x = util::Cross(V{0.0, 1.0, 0.0}, z);
    if (util::Length(x) <= kDegenerate) {
        // Straight up or down: the camera's own x axis, without its part along the new z.
        const V own = Row(cameraWorld, 0);
        x = own - z * util::Dot(own, z);
        if (util::Length(x) <= kDegenerate) x = util::Cross(V{0.0, 0.0, 1.0}, z);
    }
    util::Normalize(x);
    const V y = util::Cross(z, x);
    util::Matrix<double> aimed;
    SetRow(aimed, 0, x);
    SetRow(aimed, 1, y);
    SetRow(aimed, 2, z);
    SetRow(aimed, 3, eye);
    return aimed;
}

double ViewDepth(const util::Matrix<double>& cameraWorld, const util::Vector3<double>& point) {
    V z = Row(cameraWorld, 2);
    util::Normalize(z);
    return util::Dot(PositionOf(cameraWorld) - point, z);
}

} // namespace vex::orb::addon
