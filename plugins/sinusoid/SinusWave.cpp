#include "plugins/sinusoid/SinusWave.h"

#include "util/MathOps.h"

#include <cmath>

namespace vex::orb::addon {

double FollowSetting(util::AVar_Linear<double>& setting, double userValue, double response, double t,
                     double dt) {
    // Before the first key there is nothing to follow from: the setting stays as recorded. Following
    // the first key from itself would move it a little with every look at that time (the output
    // control reads the value at the host's time, which may sit there for a whole re-simulation
    // slice), and the take would not re-simulate to the same motion.
    if (setting.getKeyCount() > 0 && t - dt < setting.getKey(0).time) return setting.get(t);
    double value = setting.get(t - dt);
    util::Smooth(value, userValue, response, dt);
    return setting.set(t, value);
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
