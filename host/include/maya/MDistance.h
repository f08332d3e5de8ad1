#pragma once

#include <maya/MStatus.h>

/// A length in a unit. Internally the host measures lengths in centimetres; the UI unit is what the
/// user sees (centimetres until changed).
class MDistance {
public:
    enum Unit {
        kInvalid,
        kInches,
        kFeet,
        kYards,
        kMiles,
        kMillimeters,
        kCentimeters,
        kKilometers,
        kMeters,
        kLast
    };

    /// Zero in the internal unit.
    MDistance() = default;
    /// value measured in unit.
    MDistance(double value, Unit unit = kCentimeters) : value_(value), unit_(unit) {}

    /// The value in this distance's own unit.
    double value() const { return value_; }
    /// This distance's own unit.
    Unit unit() const { return unit_; }
    /// The length measured in another unit (0 for an invalid unit).
    double as(Unit unit, MStatus* status = nullptr) const;
    /// The length in the internal unit (centimetres).
    double asCentimeters() const { return as(kCentimeters); }
    double asMeters() const { return as(kMeters); }
    double asMillimeters() const { return as(kMillimeters); }
    double asInches() const { return as(kInches); }
    double asFeet() const { return as(kFeet); }
    /// Sets the value in this distance's own unit.
    MStatus setValue(double value);
    /// Changes the unit in which value() measures; the length is converted.
    MStatus setUnit(Unit unit);

    /// The UI unit (kCentimeters until changed).
    static Unit uiUnit();
    /// Changes the UI unit; kFailure for kInvalid or kLast.
    static MStatus setUIUnit(Unit unit);
    /// The internal unit: always centimetres.
    static Unit internalUnit() { return kCentimeters; }
    /// A value in the internal unit expressed in the UI unit.
    static double internalToUI(double internalValue);
    /// A value in the UI unit expressed in the internal unit.
    static double uiToInternal(double uiValue);

private:
    static double centimetresPer(Unit unit);

    double value_ = 0.0;
    Unit unit_ = kCentimeters;
};
