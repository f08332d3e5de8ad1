#pragma once

#include "util/Matrix.h"
#include "util/Vector3.h"

namespace vex::orb::addon {

// Aiming a camera at a point. A camera looks along its −z axis with its y axis up (rows of its world
// matrix, row-vector convention). An aimed camera keeps its place, gets a unit basis and turns without
// roll: its x axis stays level with the world's horizontal plane (y is
// the world's up), so z = (eye − point) / |eye − point|, x = up × z normalised, y = z × x. Looking
// straight up or down the level x axis is undefined; the camera's own x axis, made perpendicular to
// the new z, is kept instead, so nothing flips there.

/// The world matrix of the camera `cameraWorld` turned so that its −z axis points at `point`, keeping
/// its position (the rotation depends only on the two positions, not on the rotation the host read
/// back, so a re-simulation writes the same matrix bit for bit); `cameraWorld` unchanged when `point` is at
/// the camera's own position.
util::Matrix<double> AimedAt(const util::Matrix<double>& cameraWorld, const util::Vector3<double>& point);

/// The position (translation row) of `world`.
util::Vector3<double> PositionOf(const util::Matrix<double>& world);

/// How far in front of the camera `cameraWorld` the point `point` lies: its distance along the
/// camera's −z axis (negative behind the camera), the depth its image size is inversely proportional
/// to.
double ViewDepth(const util::Matrix<double>& cameraWorld, const util::Vector3<double>& point);

} // namespace vex::orb::addon
