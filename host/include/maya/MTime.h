#pragma once

#include <maya/MStatus.h>

#include <iosfwd>

/// A point in time or a duration. The value is held in ticks of 1/6000 s, the common divisor of every
/// unit, so whole frames of any unit convert between units without rounding.
class MTime {
public:
    /// The units in the API's order (values 1 to 42 are the supported rates).
    enum Unit {
        kInvalid,
        kHours,
        kMinutes,
        kSeconds,
        kMilliseconds,
        kGames,     // 15 fps
        kFilm,      // 24 fps
        kPALFrame,  // 25 fps
        kNTSCFrame, // 30 fps
        kShowScan,  // 48 fps
        kPALField,  // 50 fps
        kNTSCField, // 60 fps
        k2FPS,
        k3FPS,
        k4FPS,
        k5FPS,
        k6FPS,
        k8FPS,
        k10FPS,
        k12FPS,
        k16FPS,
        k20FPS,
        k40FPS,
        k75FPS,
        k80FPS,
        k100FPS,
        k120FPS,
        k125FPS,
        k150FPS,
        k200FPS,
        k240FPS,
        k250FPS,
        k300FPS,
        k375FPS,
        k400FPS,
        k500FPS,
        k600FPS,
        k750FPS,
        k1200FPS,
        k1500FPS,
        k2000FPS,
        k3000FPS,
        k6000FPS,
        kUserDef,
        kLast
    };

    /// Zero in the UI unit.
    MTime();
    /// value counted in unit.
    MTime(double value, Unit unit = kFilm);

    /// The value in this time's own unit.
    double value() const { return as(unit_); }
    /// This time's own unit.
    Unit unit() const { return unit_; }
    /// The value counted in another unit (0 for kInvalid, kUserDef and kLast).
    double as(Unit unit) const;
    /// Sets the value in this time's own unit.
    MStatus setValue(double value);
    /// Changes the unit in which value() counts; the time itself stays.
    MStatus setUnit(Unit unit);

    MTime operator+(const MTime& o) const;
    MTime operator-(const MTime& o) const;
    MTime operator+(double frames) const;
    MTime operator-(double frames) const;
    MTime operator*(double s) const;
    MTime operator/(double s) const;
    MTime& operator+=(const MTime& o);
    MTime& operator-=(const MTime& o);
    MTime& operator+=(double frames);
    MTime& operator-=(double frames);
    bool operator==(const MTime& o) const { return ticks_ == o.ticks_; }
    bool operator!=(const MTime& o) const { return ticks_ != o.ticks_; }
    bool operator<(const MTime& o) const { return ticks_ < o.ticks_; }
    bool operator<=(const MTime& o) const { return ticks_ <= o.ticks_; }
    bool operator>(const MTime& o) const { return ticks_ > o.ticks_; }
    bool operator>=(const MTime& o) const { return ticks_ >= o.ticks_; }

    /// The unit of the user interface (kFilm until changed); new times default to it.
    static Unit uiUnit();
    /// Changes the UI unit; kFailure for kInvalid, kUserDef and kLast.
    static MStatus setUIUnit(Unit unit);
    /// Units of the unit per second (24 for kFilm, 1/60 for kMinutes); 0 for an unsupported unit.
    static double unitsPerSecond(Unit unit);

private:
    static double ticksPerUnit(Unit unit);

    double ticks_ = 0.0;
    Unit unit_;
};

/// Writes the value and the unit's name.
std::ostream& operator<<(std::ostream& out, const MTime& t);
