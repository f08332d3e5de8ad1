#pragma once

#include <cstddef>

namespace vex::orb::addon {

/// The car's input channels by role, in the order the tool declares them.
enum CarInputIndex : std::size_t {
    kGasPedal = 0,  ///< wanted speed, forwards or backwards; its maximum is the top speed
    kSteering,      ///< wanted steering angle in radians (right positive)
    kBooster,       ///< multiplies the wanted speed and the drive
    kAbsBrake,      ///< brakes with the wheels rolling, as hard as the grip allows
    kSkidding,      ///< takes grip from the back wheels
    kSkidBrake,     ///< locks the wheels
    kGravelShake,   ///< amplitude of the road roughness
    kBurnout,       ///< spins the back wheels while the car is held
    kExternalForce, ///< a force along the ExternalForceMesh direction
    kCarInputCount
};

} // namespace vex::orb::addon
