#include "host/api/UnitConversion.h"

#include <maya/MDistance.h>

namespace {

MDistance::Unit& uiUnitStorage() {
    static MDistance::Unit unit = MDistance::kCentimeters;
    return unit;
}

bool supported(MDistance::Unit unit) {
    return unit > MDistance::kInvalid && unit < MDistance::kLast;
}

} // namespace

double MDistance::centimetresPer(Unit unit) {
    // Centimetres in one unit of each MDistance::Unit from kInches to kMeters.
    static constexpr double kCentimetres[] = {0.0, 2.54, 30.48, 91.44, 160934.4, 0.1, 1.0, 100000.0, 100.0};
    return supported(unit) ? kCentimetres[unit] : 0.0;
}

double MDistance::as(Unit unit, MStatus* status) const {
    return vex::host::convertUnit(value_, centimetresPer(unit_), centimetresPer(unit), status);
}

MStatus MDistance::setValue(double value) {
    value_ = value;
    return MStatus::kSuccess;
}

MStatus MDistance::setUnit(Unit unit) {
    if (!supported(unit)) return MStatus::kInvalidParameter;
    value_ = as(unit);
    unit_ = unit;
    return MStatus::kSuccess;
}

MDistance::Unit MDistance::uiUnit() {
    return uiUnitStorage();
}

MStatus MDistance::setUIUnit(Unit unit) {
    if (!supported(unit)) return MStatus::kFailure;
    uiUnitStorage() = unit;
    return MStatus::kSuccess;
}

double MDistance::internalToUI(double internalValue) {
    return MDistance(internalValue, kCentimeters).as(uiUnit());
}

double MDistance::uiToInternal(double uiValue) {
    return MDistance(uiValue, uiUnit()).as(kCentimeters);
}
