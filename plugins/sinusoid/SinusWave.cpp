#include "plugins/sinusoid/SinusWave.h"

#include "util/MathOps.h"

#include <cmath>

namespace vex::orb::addon {

double FollowedSetting(const util::AVar_Linear<double>& setting, double userValue, double response, double t,
                       double dt) {
    // Before the first key the setting follows from its default, which no key can change: looking at
    // the same time again gives the same value, so a re-simulation repeats the take exactly.
    const double from = t - dt;
    double value = setting.GetKeyCount() == 0 || from < setting.GetKey(0).time ? setting.GetDefault()
                                                                               : setting.get(from);
    util::Smooth(value, userValue, response, dt);
    return value;
}

double FollowSetting(util::AVar_Linear<double>& setting, double userValue, double response, double t,
                     double dt) {
    return setting.set(t, FollowedSetting(setting, userValue, response, t, dt));
}

double WaveValue(double amplitude, double angularFrequency, double t, bool absolute) {
    const double value = amplitude * std::sin(angularFrequency * t);
    return absolute ? std::fabs(value) : value;
}

util::Vector3<double> PointOnReferenceAxis(const util::Matrix<double>& reference, double value) {
    const auto& m = reference.m;
    double w = value * m[1][3] + m[3][3];
    if (w == 0.0) w = 1.0;
    return {(value * m[1][0] + m[3][0]) / w, (value * m[1][1] + m[3][1]) / w,
            (value * m[1][2] + m[3][2]) / w};
}

} // namespace vex::orb::addon
