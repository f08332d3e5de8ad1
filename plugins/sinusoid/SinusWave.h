#pragma once

#include "util/AVar_Linear.h"
#include "util/Matrix.h"
#include "util/Vector3.h"

namespace vex::orb::addon {

/// One setting of the wave (amplitude or angular frequency) at host time `t`: its recorded value one
/// frame (`dt`) earlier, or its default when that lies before the first key, follows `userValue` with
/// `response` (the frame-rate-independent Smooth rule). Nothing is written.
double FollowedSetting(const util::AVar_Linear<double>& setting, double userValue, double response, double t,
                       double dt);

/// FollowedSetting, recorded as the setting's key at `t` and returned.
double FollowSetting(util::AVar_Linear<double>& setting, double userValue, double response, double t,
                     double dt);

/// amplitude · sin(angularFrequency · t); its magnitude when `absolute` is set. The phase is taken
/// from the absolute host time, so a change of frequency changes the phase at once.
double WaveValue(double amplitude, double angularFrequency, double t, bool absolute);

/// The point `value` along the y-axis of `reference`: the row vector (0, value, 0, 1) times the matrix,
/// divided by its fourth coordinate (0 is taken as 1).
util::Vector3<double> PointOnReferenceAxis(const util::Matrix<double>& reference, double value);

} // namespace vex::orb::addon
