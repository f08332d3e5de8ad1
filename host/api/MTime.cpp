#include <maya/MTime.h>

#include <ostream>

namespace {

// Ticks (1/6000 s) in one unit of each MTime::Unit from kHours to k6000FPS.
constexpr double kTicksPerUnit[] = {
    0.0,                                                        // kInvalid
    21600000.0, 360000.0, 6000.0, 6.0,                          // hours, minutes, seconds, milliseconds
    400.0,      250.0,    240.0,  200.0,  125.0,  120.0, 100.0, // 15, 24, 25, 30, 48, 50, 60 fps
    3000.0,     2000.0,   1500.0, 1200.0, 1000.0, 750.0, 600.0, 500.0, 375.0, 300.0,      // 2 .. 20 fps
    150.0,      80.0,     75.0,   60.0,   50.0,   48.0,  40.0,  30.0,  25.0,  24.0,       // 40 .. 250 fps
    20.0,       16.0,     15.0,   12.0,   10.0,   8.0,   5.0,   4.0,   3.0,   2.0,   1.0, // 300 .. 6000 fps
};
static_assert(sizeof kTicksPerUnit / sizeof kTicksPerUnit[0] == MTime::kUserDef);

constexpr double kTicksPerSecond = 6000.0;

MTime::Unit& uiUnitStorage() {
    static MTime::Unit unit = MTime::kFilm;
    return unit;
}

bool supported(MTime::Unit unit) {
    return unit > MTime::kInvalid && unit < MTime::kUserDef;
}

// Short names for printing.
const char* unitName(MTime::Unit unit) {
    switch (unit) {
    case MTime::kHours:
        return "hours";
    case MTime::kMinutes:
        return "min";
    case MTime::kSeconds:
        return "sec";
    case MTime::kMilliseconds:
        return "millisec";
    default:
        return supported(unit) ? "frames" : "invalid";
    }
}

} // namespace

double MTime::ticksPerUnit(Unit unit) {
    return supported(unit) ? kTicksPerUnit[unit] : 0.0;
}

double MTime::unitsPerSecond(Unit unit) {
    return supported(unit) ? kTicksPerSecond / kTicksPerUnit[unit] : 0.0;
}

MTime::MTime() : unit_(uiUnit()) {}

MTime::MTime(double value, Unit unit) : ticks_(value * ticksPerUnit(unit)), unit_(unit) {}

double MTime::as(Unit unit) const {
    const double perUnit = ticksPerUnit(unit);
    return perUnit > 0.0 ? ticks_ / perUnit : 0.0;
}

MStatus MTime::setValue(double value) {
    ticks_ = value * ticksPerUnit(unit_);
    return MStatus::kSuccess;
}

MStatus MTime::setUnit(Unit unit) {
    if (!supported(unit)) return MStatus::kInvalidParameter;
    unit_ = unit;
    return MStatus::kSuccess;
}

MTime MTime::operator+(const MTime& o) const {
    MTime result = *this;
    return result += o;
}

MTime MTime::operator-(const MTime& o) const {
    MTime result = *this;
    return result -= o;
}

MTime MTime::operator+(double frames) const {
    MTime result = *this;
    return result += frames;
}

MTime MTime::operator-(double frames) const {
    MTime result = *this;
    return result -= frames;
}

MTime MTime::operator*(double s) const {
    MTime result = *this;
    result.ticks_ *= s;
    return result;
}

MTime MTime::operator/(double s) const {
    MTime result = *this;
    result.ticks_ /= s;
    return result;
}

MTime& MTime::operator+=(const MTime& o) {
    ticks_ += o.ticks_;
    return *this;
}

MTime& MTime::operator-=(const MTime& o) {
    ticks_ -= o.ticks_;
    return *this;
}

MTime& MTime::operator+=(double frames) {
    ticks_ += frames * ticksPerUnit(unit_);
    return *this;
}

MTime& MTime::operator-=(double frames) {
    ticks_ -= frames * ticksPerUnit(unit_);
    return *this;
}

MTime::Unit MTime::uiUnit() {
    return uiUnitStorage();
}

MStatus MTime::setUIUnit(Unit unit) {
    if (!supported(unit)) return MStatus::kFailure;
    uiUnitStorage() = unit;
    return MStatus::kSuccess;
}

std::ostream& operator<<(std::ostream& out, const MTime& t) {
    return out << t.value() << ' ' << unitName(t.unit());
}
