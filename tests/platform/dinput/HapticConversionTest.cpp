#include "platform/dinput/HapticConversion.h"

#include "platform/dinput/Flags.h"

#include <gtest/gtest.h>

using namespace vex::platform::dinput;

namespace {

// An effect along X with the given type-specific block and optional envelope.
DIEFFECT Effect(void* block, DWORD size, DIENVELOPE* envelope = nullptr) {
    static DWORD axis = 0;
    DIEFFECT effect{};
    effect.dwSize = sizeof(DIEFFECT);
    effect.dwFlags = DIEFF_CARTESIAN | DIEFF_OBJECTOFFSETS;
    effect.dwDuration = INFINITE;
    effect.dwGain = 10000;
    effect.cAxes = 1;
    effect.rgdwAxes = &axis;
    effect.lpEnvelope = envelope;
    effect.cbTypeSpecificParams = size;
    effect.lpvTypeSpecificParams = block;
    return effect;
}

TEST(HapticConversion, ConstantAndRampLevelsScaleWithGainAndTimesBecomeMilliseconds) {
    DICONSTANTFORCE constant{-5000};
    DIEFFECT effect = Effect(&constant, sizeof(constant));
    SDL_HapticEffect out;
    ASSERT_TRUE(ToHapticEffect(GUID_ConstantForce, effect, out));
    EXPECT_EQ(out.type, SDL_HAPTIC_CONSTANT);
    EXPECT_EQ(out.constant.level, -16383);
    EXPECT_EQ(out.constant.length, SDL_HAPTIC_INFINITY);
    EXPECT_EQ(out.constant.direction.type, SDL_HAPTIC_STEERING_AXIS);

    effect.dwGain = 5000;
    effect.dwDuration = 1500000;
    effect.dwStartDelay = 20000;
    ASSERT_TRUE(ToHapticEffect(GUID_ConstantForce, effect, out));
    EXPECT_EQ(out.constant.level, -8191);
    EXPECT_EQ(out.constant.length, 1500U);
    EXPECT_EQ(out.constant.delay, 20);

    DIRAMPFORCE ramp{-10000, 20000}; // beyond full force is held at full force
    ASSERT_TRUE(ToHapticEffect(GUID_RampForce, Effect(&ramp, sizeof(ramp)), out));
    EXPECT_EQ(out.ramp.start, -32767);
    EXPECT_EQ(out.ramp.end, 32767);
}

TEST(HapticConversion, PeriodicShapesPhaseMagnitudeAndEnvelope) {
    DIPERIODIC periodic{static_cast<DWORD>(-5000), 1000, 39999, 20000};
    DIENVELOPE envelope{sizeof(DIENVELOPE), 5000, 250000, 2000, 100000};
    SDL_HapticEffect out;
    ASSERT_TRUE(ToHapticEffect(GUID_Triangle, Effect(&periodic, sizeof(periodic), &envelope), out));
    EXPECT_EQ(out.type, SDL_HAPTIC_TRIANGLE);
    EXPECT_EQ(out.periodic.magnitude, -16383); // a negative magnitude stays negative
    EXPECT_EQ(out.periodic.offset, 3276);
    EXPECT_EQ(out.periodic.phase, 3999); // more than a full turn wraps round
    EXPECT_EQ(out.periodic.period, 20);
    EXPECT_EQ(out.periodic.attack_level, 16383);
    EXPECT_EQ(out.periodic.attack_length, 250);
    EXPECT_EQ(out.periodic.fade_level, 6553);
    EXPECT_EQ(out.periodic.fade_length, 100);

    ASSERT_TRUE(ToHapticEffect(GUID_Square, Effect(&periodic, sizeof(periodic)), out));
    EXPECT_EQ(out.type, SDL_HAPTIC_SINE);
    EXPECT_EQ(out.periodic.attack_length, 0);
    ASSERT_TRUE(ToHapticEffect(GUID_SawtoothDown, Effect(&periodic, sizeof(periodic)), out));
    EXPECT_EQ(out.type, SDL_HAPTIC_SAWTOOTHDOWN);
}

TEST(HapticConversion, RefusesUnknownTypesAndShortBlocks) {
    DIPERIODIC periodic{};
    SDL_HapticEffect out;
    EXPECT_FALSE(ToHapticEffect(GUID_XAxis, Effect(&periodic, sizeof(periodic)), out));
    EXPECT_FALSE(ToHapticEffect(GUID_Sine, Effect(&periodic, sizeof(DIRAMPFORCE)), out));
    EXPECT_FALSE(ToHapticEffect(GUID_ConstantForce, Effect(nullptr, 4), out));
}

} // namespace
