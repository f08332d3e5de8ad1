#pragma once

#include <maya/MStatus.h>

/// An angle in a unit. Internally the host measures angles in radians; the UI unit is degrees until
/// changed.
class MAngle {
public:
    enum Unit { kInvalid, kRadians, kDegrees, kAngMinutes, kAngSeconds, kLast };

    /// Zero in the internal unit.
    MAngle() = default;
    /// value measured in unit.
    MAngle(double value, Unit unit = kRadians) : value_(value), unit_(unit) {}

    /// The value in this angle's own unit.
    double value() const { return value_; }
    /// This angle's own unit.
    Unit unit() const { return unit_; }
    /// The angle measured in another unit (0 for an invalid unit).
    double as(Unit unit, MStatus* status = nullptr) const;
    double asRadians() const { return as(kRadians); }
    double asDegrees() const { return as(kDegrees); }
    double asAngMinutes() const { return as(kAngMinutes); }
    double asAngSeconds() const { return as(kAngSeconds); }
    /// Sets the value in this angle's own unit.
    MStatus setValue(double value);
    /// Changes the unit in which value() measures; the angle is converted.
    MStatus setUnit(Unit unit);

    /// The UI unit (kDegrees until changed).
    static Unit uiUnit();
    /// Changes the UI unit; kFailure for kInvalid or kLast.
    static MStatus setUIUnit(Unit unit);
    /// The internal unit: always radians.
    static Unit internalUnit() { return kRadians; }
    /// A value in the internal unit expressed in the UI unit.
    static double internalToUI(double internalValue);
    /// A value in the UI unit expressed in the internal unit.
    static double uiToInternal(double uiValue);

private:
    static double radiansPer(Unit unit);

    double value_ = 0.0;
    Unit unit_ = kRadians;
};
