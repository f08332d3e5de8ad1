#pragma once

#include "util/Matrix.h"
#include "util/QTransform.h"
#include "util/Vector3.h"

namespace vex::orb::addon {

/// A node's world matrix taken apart: translation and unit rotation, and the lengths of its three
/// basis rows (its scale), which a tool keeps while it moves the node.
struct CameraPose {
    util::QTransform<double> transform;
    util::Vector3<double> axisLengths{1.0, 1.0, 1.0};
};

/// The lengths of the three basis rows (x, y, z) of `world`.
util::Vector3<double> AxisLengths(const util::Matrix<double>& world);
/// Scales each basis row of `world` to the matching length of `lengths`; a zero row stays zero.
void RescaleBasis(util::Matrix<double>& world, const util::Vector3<double>& lengths);
/// `world` as translation, rotation and axis lengths.
CameraPose ToCameraPose(const util::Matrix<double>& world);
/// The matrix of `pose`: the rotation's basis rescaled to the kept lengths, then the translation.
util::Matrix<double> ToWorldMatrix(const CameraPose& pose);

} // namespace vex::orb::addon
