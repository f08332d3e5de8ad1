#pragma once

namespace vex::unidevice {

/// The force-feedback effects a control with an actuator can create.
enum EffectType : int {
    kConstantForce = 0,
    kRampForce = 1,
    kSquare = 2,
    kSine = 3,
    kTriangle = 4,
    kSawtoothUp = 5,
    kSawtoothDown = 6,
};

} // namespace vex::unidevice
