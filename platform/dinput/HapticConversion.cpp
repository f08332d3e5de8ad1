#include "platform/dinput/HapticConversion.h"

#include "platform/dinput/Flags.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace vex::platform::dinput {

namespace {

// A level of -10000..10000 at gain 0..10000 in SDL's -32767..32767.
Sint16 ToLevel(std::int64_t level, DWORD gain) {
    const std::int64_t scaled = level * std::min<std::int64_t>(gain, DI_FFNOMINALMAX) * 32767 /
                                (std::int64_t{DI_FFNOMINALMAX} * DI_FFNOMINALMAX);
    return static_cast<Sint16>(std::clamp<std::int64_t>(scaled, -32767, 32767));
}

// Microseconds as SDL's 16-bit milliseconds, saturating.
Uint16 ToShortTime(DWORD microseconds) {
    return static_cast<Uint16>(std::min<DWORD>(microseconds / 1000, 0xFFFF));
}

// The start delay, attack and fade every effect kind shares.
template <typename Effect>
void FillCommon(const DIEFFECT& effect, Effect& out) {
    out.length = effect.dwDuration == INFINITE ? SDL_HAPTIC_INFINITY : effect.dwDuration / 1000;
    out.delay = ToShortTime(effect.dwStartDelay);
    // Effects here are never tied to a trigger button.
    out.button = 0;
    out.interval = 0;
    if (const DIENVELOPE* envelope = effect.lpEnvelope) {
        out.attack_length = ToShortTime(envelope->dwAttackTime);
        out.attack_level =
            static_cast<Uint16>(ToLevel(std::min<DWORD>(envelope->dwAttackLevel, 10000), effect.dwGain));
        out.fade_length = ToShortTime(envelope->dwFadeTime);
        out.fade_level =
            static_cast<Uint16>(ToLevel(std::min<DWORD>(envelope->dwFadeLevel, 10000), effect.dwGain));
    }
}

// The direction along the effect's axis: the steering axis for X (wheels), else that Cartesian axis.
SDL_HapticDirection ToDirection(const DIEFFECT& effect) {
    SDL_HapticDirection direction{};
    const DWORD named = effect.cAxes > 0 && effect.rgdwAxes != nullptr ? effect.rgdwAxes[0] : 0;
    const DWORD axis =
        (effect.dwFlags & DIEFF_OBJECTIDS) != 0 ? DIDFT_GETINSTANCE(named) : named / sizeof(LONG);
    if (axis == 0) {
        direction.type = SDL_HAPTIC_STEERING_AXIS;
    } else {
        direction.type = SDL_HAPTIC_CARTESIAN;
        direction.dir[std::min<DWORD>(axis, 2)] = 1;
    }
    return direction;
}

} // namespace

std::uint16_t GetHapticType(REFGUID effectType) {
    if (effectType == GUID_ConstantForce) return SDL_HAPTIC_CONSTANT;
    if (effectType == GUID_RampForce) return SDL_HAPTIC_RAMP;
    if (effectType == GUID_Square || effectType == GUID_Sine) return SDL_HAPTIC_SINE;
    if (effectType == GUID_Triangle) return SDL_HAPTIC_TRIANGLE;
    if (effectType == GUID_SawtoothUp) return SDL_HAPTIC_SAWTOOTHUP;
    if (effectType == GUID_SawtoothDown) return SDL_HAPTIC_SAWTOOTHDOWN;
    return 0;
}

DWORD GetTypeSpecificSize(REFGUID effectType) {
    switch (GetHapticType(effectType)) {
    case SDL_HAPTIC_CONSTANT:
        return sizeof(DICONSTANTFORCE);
    case SDL_HAPTIC_RAMP:
        return sizeof(DIRAMPFORCE);
    case 0:
        return 0;
    default:
        return sizeof(DIPERIODIC);
    }
}

bool ToHapticEffect(REFGUID effectType, const DIEFFECT& effect, SDL_HapticEffect& out) {
    const std::uint16_t type = GetHapticType(effectType);
    const DWORD size = GetTypeSpecificSize(effectType);
    if (type == 0 || effect.lpvTypeSpecificParams == nullptr || effect.cbTypeSpecificParams < size)
        return false;

    std::memset(&out, 0, sizeof(out));
    out.type = type;
    if (type == SDL_HAPTIC_CONSTANT) {
        const auto* constant = static_cast<const DICONSTANTFORCE*>(effect.lpvTypeSpecificParams);
        out.constant.direction = ToDirection(effect);
        FillCommon(effect, out.constant);
        out.constant.level = ToLevel(constant->lMagnitude, effect.dwGain);
    } else if (type == SDL_HAPTIC_RAMP) {
        const auto* ramp = static_cast<const DIRAMPFORCE*>(effect.lpvTypeSpecificParams);
        out.ramp.direction = ToDirection(effect);
        FillCommon(effect, out.ramp);
        out.ramp.start = ToLevel(ramp->lStart, effect.dwGain);
        out.ramp.end = ToLevel(ramp->lEnd, effect.dwGain);
    } else {
        const auto* periodic = static_cast<const DIPERIODIC*>(effect.lpvTypeSpecificParams);
        out.periodic.direction = ToDirection(effect);
        FillCommon(effect, out.periodic);
        out.periodic.period = ToShortTime(periodic->dwPeriod);
        // A negative magnitude, stored as its two's complement, is half a turn of phase to SDL.
        out.periodic.magnitude = ToLevel(static_cast<LONG>(periodic->dwMagnitude), effect.dwGain);
        out.periodic.offset = ToLevel(periodic->lOffset, effect.dwGain);
        out.periodic.phase = static_cast<Uint16>(periodic->dwPhase % 36000);
    }
    return true;
}

} // namespace vex::platform::dinput
