#pragma once

#include "util/Vector3.h"

#include <maya/MPoint.h>
#include <maya/MVector.h>

namespace vex::orb::adaptor::maya {

class HostUnits;

/// World-space values between the core (metres, Y up) and Maya (its units and up axis, read from
/// the scene every time): points and directions go through the units' conversion C.
class WorldConversion {
public:
    explicit WorldConversion(const HostUnits& units) : units_(units) {}

    /// A core point or direction in Maya's world.
    MPoint ToHost(const util::Vector3<double>& point) const;
    MVector ToHostDirection(const util::Vector3<double>& direction) const;
    /// A Maya world point in the core's world.
    util::Vector3<double> ToCore(const MPoint& point) const;
    /// A Maya world direction in the core's world, of unit length (zero stays zero).
    util::Vector3<double> ToCoreUnitDirection(const MVector& direction) const;

private:
    const HostUnits& units_;
};

} // namespace vex::orb::adaptor::maya
