#pragma once

#include "util/Vector3.h"

#include <array>

namespace vex::orb::addon {

/// The rig the model drives, taken from the scene when a take starts afresh ("Re-Initialize Car
/// Attributes"). Positions are in the base frame (the CarBodyBaseMesh's axes: x right, y up, −z forward),
/// in world units. Wheels are indexed front left, front right, back left, back right.
struct CarGeometry {
    /// World units per car unit: the CarBodyMesh's scale. The body's helper mesh is one car unit long,
    /// so the scale is the car's length; speeds and accelerations of the page are in car units.
    double scale = 1.0;
    /// The wheel centres as rigged, where their springs carry no load.
    std::array<util::Vector3<double>, 4> wheelCentres{};
    /// Radius of each wheel, before "Wheel Radius Multiplier".
    std::array<double, 4> wheelRadii{};
    /// Width of each tyre (the distance between the edge detection points).
    std::array<double, 4> wheelWidths{};
    /// The body's centre of mass.
    util::Vector3<double> centreOfMass{};
    /// Half the body's extent along each axis, for its moments of inertia.
    util::Vector3<double> halfExtents{1.0, 0.5, 2.0};

    /// Distance between the front and the back axle.
    double Wheelbase() const;
    /// Distance between the left and the right wheels, averaged over both axles.
    double Track() const;
    /// The body's length (twice the half extent along z).
    double Length() const { return 2.0 * halfExtents.z; }

    /// A saloon of length `scale` (4.2 gives a 4.2 m car): width 0.43, wheelbase 0.6, track 0.37 and
    /// wheel radius 0.075 of the length.
    static CarGeometry Default(double scale);
};

} // namespace vex::orb::addon
