#pragma once

#include "util/Vector3.h"

namespace vex::orb::addon {

/// One wheel's part of the car's state.
struct WheelState {
    /// How far the ground pushes the wheel up from its rigged place (world units; below 0 it hangs).
    double compression = 0.0;
    /// The compression one sub-step earlier (the damper's memory).
    double compressionPrev = 0.0;
    /// The wheel's roll angle about its axle (radians, forwards positive).
    double spinAngle = 0.0;
    /// The wheel's steering angle (radians, right positive).
    double steerAngle = 0.0;
    /// The wheel's roll rate (radians per second); 0 while it is locked.
    double spinRate = 0.0;
    /// Angle between the ground normal at the contact and the body's up axis (radians).
    double groundNormalDiff = 0.0;
    /// How far the drawn wheel hangs below its rigged place (world units, at most the suspension length).
    double droop = 0.0;
    /// The road roughness under the wheel (world units), filtered noise of the gravel shake.
    double gravelHeight = 0.0;
    /// Seconds the wheel has been locked while the car moves.
    double lockedTime = 0.0;
    /// True while the wheel touches the ground.
    bool contact = false;
    /// True while the static-friction anchor holds the wheel.
    bool anchored = false;
    /// The ground contact point (world), or the bottom of the wheel in the air.
    util::Vector3<double> contactPoint{};
    /// The ground's unit normal at the contact (world).
    util::Vector3<double> contactNormal{0.0, 1.0, 0.0};
    /// Where the static friction holds the contact point (world).
    util::Vector3<double> anchor{};
};

} // namespace vex::orb::addon
