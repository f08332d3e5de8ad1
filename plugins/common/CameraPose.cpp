#include "plugins/common/CameraPose.h"

#include "util/Rotation.h"

namespace vex::orb::addon {

util::Vector3<double> AxisLengths(const util::Matrix<double>& world) {
    const auto row = [&world](int i) {
        return util::Length(util::Vector3<double>{world.m[i][0], world.m[i][1], world.m[i][2]});
    };
    return {row(0), row(1), row(2)};
}

void RescaleBasis(util::Matrix<double>& world, const util::Vector3<double>& lengths) {
    const util::Vector3<double> current = AxisLengths(world);
    const double have[3] = {current.x, current.y, current.z};
    const double want[3] = {lengths.x, lengths.y, lengths.z};
    for (int i = 0; i < 3; ++i) {
        if (have[i] == 0.0) continue;
        const double factor = want[i] / have[i];
        for (int j = 0; j < 3; ++j) world.m[i][j] *= factor;
    }
}

CameraPose ToCameraPose(const util::Matrix<double>& world) {
    return {util::ToQTransform(world), AxisLengths(world)};
}

util::Matrix<double> ToWorldMatrix(const CameraPose& pose) {
    return util::ToMatrix(pose.transform, pose.axisLengths);
}

} // namespace vex::orb::addon
