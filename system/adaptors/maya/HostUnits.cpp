#include "system/adaptors/maya/HostUnits.h"

#include <maya/MDistance.h>
#include <maya/MGlobal.h>

namespace vex::orb::adaptor::maya {

namespace {

// Frames per second of Maya's time units 1 to 42, in the order of MTime::Unit.
constexpr double kRates[] = {
    1.0 / 3600.0, 1.0 / 60.0, 1,   1000, 15,   24,   25,   30,  48,  50,  60,  2,   3,   4,   5,   6,   8,
    10,           12,         16,  20,   40,   75,   80,   100, 120, 125, 150, 200, 240, 250, 300, 375, 400,
    500,          600,        750, 1200, 1500, 2000, 3000, 6000};
static_assert(sizeof kRates / sizeof kRates[0] == 42);

} // namespace

double HostUnits::MetreInUIUnits() {
    return MDistance(1.0, MDistance::kMeters).as(MDistance::uiUnit());
}

double HostUnits::FramesPerSecond(MTime::Unit unit) {
    const int index = static_cast<int>(unit) - static_cast<int>(MTime::kHours);
    return index >= 0 && index < 42 ? kRates[index] : 0.0;
}

HostUnits::HostUnits(double metre) : metre_(metre) {
    for (int yUp = 0; yUp < 2; ++yUp) {
        conversion_[yUp] = Make(metre, yUp != 0);
        util::Inverse(conversion_[yUp], inverse_[yUp]);
    }
}

util::Matrix<double> HostUnits::Conversion(bool yUp) const {
    return conversion_[yUp ? 1 : 0];
}

util::Matrix<double> HostUnits::Make(double metre, bool yUp) {
    util::Matrix<double> c;
    const double s = metre;
    if (yUp) {
        c.m[0][0] = c.m[1][1] = c.m[2][2] = s;
        return c;
    }
    c.m[0][0] = s;
    c.m[1][1] = 0.0;
    c.m[1][2] = s;
    c.m[2][1] = -s;
    c.m[2][2] = 0.0;
    return c;
}

util::Matrix<double> HostUnits::ToHost(const util::Matrix<double>& core, bool worldParented) const {
    return worldParented ? core * conversion_[MGlobal::isYAxisUp() ? 1 : 0] : core;
}

util::Matrix<double> HostUnits::FromHost(const util::Matrix<double>& host, bool worldParented) const {
    return worldParented ? host * inverse_[MGlobal::isYAxisUp() ? 1 : 0] : host;
}

} // namespace vex::orb::adaptor::maya
