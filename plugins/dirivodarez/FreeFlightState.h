#pragma once

#include "plugins/common/ResponseFilter.h"
#include "util/Quat.h"
#include "util/Vector3.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace vex::orb::addon {

/// The inputs of the free-flying camera by role, in the order of its channels.
enum FreeFlightInputIndex : std::size_t {
    kFlightForward = 0,     ///< speed along −z (forward positive)
    kFlightRight,           ///< speed along +x
    kFlightUp,              ///< speed along +y
    kFlightYaw,             ///< turn about −y (right positive)
    kFlightPitch,           ///< turn about +x
    kFlightRoll,            ///< turn about −z (right positive)
    kFlightShaker,          ///< camera-shake amplitude
    kFlightWalkCycle,       ///< walk-cycle amplitude
    kFlightTranslRegulator, ///< pulls the position back to the remembered one while held
    kFlightOrientRegulator, ///< pulls the orientation back to the remembered one while held
    kFlightSaveRegulator,   ///< remembers the current pose while held
    kFlightAntiRoll,        ///< levels the roll while held
    kFlightInputCount
};

/// A position and an orientation.
struct FlightPose {
    util::Vector3<double> position;
    util::Quat<double> rotation;
};

/// Everything the free-flying camera carries from one sub-step to the next: a re-simulation or a
/// restored tool that starts from a copy goes on exactly as the first run did.
struct FreeFlightState {
    /// Number of past poses kept (the newest is the current pose).
    static constexpr std::size_t kRingSize = 4;

    /// Both filter stages of every input; the second is what the motion reads.
    std::array<ResponseFilter, kFlightInputCount> inputs{};
    /// Past poses, newest at `newest`.
    std::array<FlightPose, kRingSize> ring{};
    std::size_t newest = 0;
    /// The pose the memory regulators pull back to, and the helper pose they pull through.
    FlightPose remembered{};
    FlightPose helper{};
    /// The current walk-cycle and shake amplitudes.
    double walkAmplitude = 0.0;
    double shakeAmplitude = 0.0;
    /// Sub-steps since the start: the walk cycle's clock.
    std::uint64_t frameCounter = 0;
    /// The shake's random sequence.
    std::uint32_t randomSeed = 12345u;
    /// Whether the translation, orientation and anti-roll regulators were held in the last sub-step.
    std::array<bool, 3> regulating{};

    /// The current pose.
    const FlightPose& Pose() const { return ring[newest]; }
    /// The pose one sub-step before the current one.
    const FlightPose& PreviousPose() const { return ring[(newest + kRingSize - 1) % kRingSize]; }
    /// Makes `pose` current.
    void Push(const FlightPose& pose) {
        newest = (newest + 1) % kRingSize;
        ring[newest] = pose;
    }
    /// Fills the ring with `pose`: a camera at rest there.
    void Reset(const FlightPose& pose) { ring.fill(pose); }
};

} // namespace vex::orb::addon
