#include "host/api/UnitConversion.h"

#include <maya/MAngle.h>

#include <cmath>

namespace {

MAngle::Unit& uiUnitStorage() {
    static MAngle::Unit unit = MAngle::kDegrees;
    return unit;
}

bool supported(MAngle::Unit unit) {
    return unit > MAngle::kInvalid && unit < MAngle::kLast;
}

} // namespace

double MAngle::radiansPer(Unit unit) {
    // Radians in one unit of each MAngle::Unit from kRadians to kAngSeconds.
    static constexpr double kRadiansPer[] = {0.0, 1.0, M_PI / 180.0, M_PI / 10800.0, M_PI / 648000.0};
    return supported(unit) ? kRadiansPer[unit] : 0.0;
}

double MAngle::as(Unit unit, MStatus* status) const {
    return vex::host::convertUnit(value_, radiansPer(unit_), radiansPer(unit), status);
}

MStatus MAngle::setValue(double value) {
    value_ = value;
    return MStatus::kSuccess;
}

MStatus MAngle::setUnit(Unit unit) {
    if (!supported(unit)) return MStatus::kInvalidParameter;
    value_ = as(unit);
    unit_ = unit;
    return MStatus::kSuccess;
}

MAngle::Unit MAngle::uiUnit() {
    return uiUnitStorage();
}

MStatus MAngle::setUIUnit(Unit unit) {
    if (!supported(unit)) return MStatus::kFailure;
    uiUnitStorage() = unit;
    return MStatus::kSuccess;
}

double MAngle::internalToUI(double internalValue) {
    return MAngle(internalValue, kRadians).as(uiUnit());
}

double MAngle::uiToInternal(double uiValue) {
    return MAngle(uiValue, uiUnit()).as(kRadians);
}
