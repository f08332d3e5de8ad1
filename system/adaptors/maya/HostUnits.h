#pragma once

#include "util/Matrix.h"

#include <maya/MTime.h>

namespace vex::orb::adaptor::maya {

/// How the core's units and axes meet Maya's: the core works in metres, seconds and Y up; Maya
/// in its linear UI unit, its time unit and either Y or Z up. The scale s (one metre in the linear
/// UI unit) is fixed when the adaptor is made and not followed when the user changes units later.
class HostUnits {
public:
    /// The conversion for one metre being `metre` host units (100 for centimetres).
    explicit HostUnits(double metre);

    /// One metre in Maya's current linear UI unit.
    static double MetreInUIUnits();
    /// Frames per second of a Maya time unit (hours 1/3600 … 6000 fps, Maya's units 1 to 42); 0 for
    /// any other unit.
    static double FramesPerSecond(MTime::Unit unit);

    /// The scale s.
    double GetMetre() const { return metre_; }
    /// C: diag(s, s, s, 1) for a Y-up scene; for a Z-up scene the rows (s 0 0 0), (0 0 s 0),
    /// (0 −s 0 0), (0 0 0 1), a −90° turn about X with the scale.
    util::Matrix<double> Conversion(bool yUp) const;
    /// The host local matrix of a core matrix: core × C for a node parented to the world, the core
    /// matrix itself for a child of another node. The up axis is read from the scene every time.
    util::Matrix<double> ToHost(const util::Matrix<double>& core, bool worldParented) const;
    /// The core matrix of a host local matrix: host × C⁻¹ for a world-parented node, else unchanged.
    util::Matrix<double> FromHost(const util::Matrix<double>& host, bool worldParented) const;

private:
    static util::Matrix<double> Make(double metre, bool yUp);

    double metre_;
    // C and C⁻¹ for a Y-up ([1]) and a Z-up ([0]) scene, fixed with the scale.
    util::Matrix<double> conversion_[2];
    util::Matrix<double> inverse_[2];
};

} // namespace vex::orb::adaptor::maya
