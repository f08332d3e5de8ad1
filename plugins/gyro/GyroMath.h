#pragma once

#include "util/Matrix.h"
#include "util/Vector3.h"

namespace vex::orb::addon {

/// The one rotation a restricted gyro keeps.
enum class GyroAxis { kNone, kYaw, kPitch, kRoll };

/// What the gyro copies from the eye in one step.
struct GyroSettings {
    /// "Enable Gyro": the gyro takes the eye's rotation instead of keeping its own.
    bool enableGyro = false;
    /// "Clone Eye's Position": zero these coordinates of the pivot position in the eye's frame.
    bool clonePosition[3] = {false, false, false};
    /// "Clone Eye's Scale": take these basis lengths from the eye instead of the pivot.
    bool cloneScale[3] = {false, false, false};
};

/// The pure rotation by `radians` about the unit `axis`, as the 3×3 part of a matrix (row-vector
/// convention, translation zero). The angle passes through degrees and back, as the rig always did.
util::Matrix<double> AxisRotation(const util::Vector3<double>& axis, double radians);

/// The restriction the rotation flags select: the first set flag in the order about Y, about X, about Z.
GyroAxis RestrictionAxis(bool aboutX, bool aboutY, bool aboutZ);

/// `local` with its 3×3 part replaced by the pure rotation about `axis` that it holds (its yaw, pitch
/// or roll); the translation column and row stay. GyroAxis::kNone gives `local` unchanged.
util::Matrix<double> RestrictRotation(const util::Matrix<double>& local, GyroAxis axis);

/// The pivot position `pivot` with the coordinates flagged in `clone` set to 0 in the frame of `eye`.
/// With no flag set, or an eye that cannot be inverted, it is `pivot`.
util::Vector3<double> ClonedPosition(const util::Vector3<double>& pivot, const util::Matrix<double>& eye,
                                     const bool clone[3]);

/// The gyro's new world matrix from the pivot's world matrix, the gyro's current one and the eye's:
/// the pivot's position (with the cloned eye coordinates), the eye's or its own rotation, and per
/// axis the eye's or the pivot's scale.
util::Matrix<double> GyroWorldMatrix(const util::Matrix<double>& pivot, const util::Matrix<double>& gyro,
                                     const util::Matrix<double>& eye, const GyroSettings& settings);

} // namespace vex::orb::addon
