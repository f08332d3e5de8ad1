#pragma once

// Translating DirectInput effect parameters into SDL haptic effects.

#include "platform/dinput/Guid.h"
#include "platform/dinput/Structures.h"

#include <SDL2/SDL_haptic.h>

namespace vex::platform::dinput {

/// The SDL_HAPTIC_* type that plays a DirectInput effect type, or 0 when there is none. SDL has no
/// square wave, so GUID_Square plays as a sine of the same period, magnitude and phase: the closest
/// shape SDL offers (a square wave's fundamental).
std::uint16_t GetHapticType(REFGUID effectType);

/// The size the type-specific block of an effect type must have (4 constant, 8 ramp, 16 periodic),
/// or 0 for a type without one here.
DWORD GetTypeSpecificSize(REFGUID effectType);

/// Fills `out` with the SDL form of `effect` of type `effectType`, played along the one axis the
/// effect names (by object offset). Levels of 0..10000, scaled by the effect's gain, become
/// 0..32767; microseconds become milliseconds; INFINITE stays without end; a phase of a full turn
/// or more wraps round. False when the type is unknown or its type-specific block is missing or too
/// small.
bool ToHapticEffect(REFGUID effectType, const DIEFFECT& effect, SDL_HapticEffect& out);

} // namespace vex::platform::dinput
