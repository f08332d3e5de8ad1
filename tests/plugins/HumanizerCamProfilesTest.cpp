#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "plugins/humanizercam/CHumanizerCamObject.h"
#include "tests/plugins/FactoryProfiles.h"
#include "tests/plugins/ShippedProfileChecks.h"
#include "tests/plugins/ToolOnHostFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vex::orb::core::test {
namespace {

using addon::CHumanizerCamObject;
using addon::ShakeAxes;
using addon::ShakeSettings;
using V = util::Vector3<double>;

using Profile = FactoryProfile<ShakeSettings>;

// Translation amplitudes and frequencies (x, y, z), then rotation ones (yaw, pitch, roll).
void Shake(ShakeSettings& s, ShakeAxes amplitudes, ShakeAxes frequencies) {
    s.amplitudes = amplitudes;
    s.frequencies = frequencies;
}

const std::vector<Profile>& Profiles() {
    static const std::vector<Profile> profiles{
        // A blast: violent, fast, and the amplitude channel (a button) multiplies it at once.
        {"Bomb",
         [](ShakeSettings& s) {
             Shake(s, {0.3, 0.4, 0.3, 4.0, 5.0, 4.0}, {12.0, 14.0, 12.0, 10.0, 12.0, 10.0});
             s.motionGain = 0.0;
             s.responseFactors[addon::kShakeAmplitude] = 1.0;
             s.maxima[addon::kShakeAmplitude] = 4.0;
         }},
        // The ground rolls: large and fast, in every axis.
        {"Earthquake",
         [](ShakeSettings& s) {
             Shake(s, {0.15, 0.25, 0.15, 2.0, 2.5, 2.0}, {6.0, 8.0, 6.0, 5.0, 6.0, 5.0});
             s.motionGain = 0.0;
         }},
        // An operator running beside the action: a strong sideways sway that grows with the speed.
        {"Hand Held Fast Lateral Movement",
         [](ShakeSettings& s) {
             Shake(s, {0.03, 0.02, 0.01, 1.0, 0.6, 0.8}, {2.5, 3.0, 2.0, 2.0, 2.5, 2.0});
             s.motionThreshold = 0.5;
             s.motionGain = 1.0;
         }},
        // Small quick twitches, mostly in the rotations.
        {"Hand Held Nervous",
         [](ShakeSettings& s) {
             Shake(s, {0.012, 0.015, 0.006, 0.6, 0.7, 0.5}, {4.0, 5.0, 3.5, 4.0, 4.5, 3.5});
             s.motionThreshold = 0.5;
             s.motionGain = 0.5;
         }},
        {"Hand Held Normal", [](ShakeSettings& s) { s = ShakeSettings{}; }},
        // The normal hand-held shake, but moving even slowly adds to it.
        {"Low Threshold",
         [](ShakeSettings& s) {
             s = ShakeSettings{};
             s.motionThreshold = 0.1;
             s.motionGain = 0.6;
         }},
        {"Small Shakes",
         [](ShakeSettings& s) {
             Shake(s, {0.003, 0.003, 0.002, 0.15, 0.15, 0.1}, {3.0, 3.0, 3.0, 3.0, 3.0, 3.0});
             s.motionGain = 0.0;
         }},
        // A living, breathing hold: slow and gentle.
        {"Warmth",
         [](ShakeSettings& s) {
             Shake(s, {0.004, 0.006, 0.003, 0.2, 0.25, 0.15}, {0.3, 0.4, 0.25, 0.3, 0.35, 0.25});
             s.motionGain = 0.0;
         }},
    };
    return profiles;
}

std::vector<std::string> Names() {
    return ProfileNames(Profiles());
}

// How a profile shakes over 10 s under a parent moving at `speed`: the root mean square of the
// translation offsets' length and of the rotation offsets' length (degrees), and the mean change of
// the rotation per frame relative to its root mean square (how fast it wobbles).
struct Shaking {
    double translation = 0.0, rotation = 0.0, quickness = 0.0;
};

Shaking Measure(const ShakeSettings& settings, double speed) {
    constexpr double kFrame = 1.0 / 25.0;
    constexpr int kFrames = 250;
    addon::ShakeState state = addon::StartShake(settings, {}, {});
    double translation = 0.0, rotation = 0.0, change = 0.0;
    ShakeAxes last{};
    for (int f = 1; f <= kFrames; ++f) {
        addon::StepShake(state, {0.0, 0.0}, V{speed * f * kFrame, 0.0, 0.0}, settings, kFrame);
        const ShakeAxes o = addon::ShakeOffsets(state, settings);
        translation += o[0] * o[0] + o[1] * o[1] + o[2] * o[2];
        rotation += o[3] * o[3] + o[4] * o[4] + o[5] * o[5];
        change += std::sqrt((o[3] - last[3]) * (o[3] - last[3]) + (o[4] - last[4]) * (o[4] - last[4]) +
                            (o[5] - last[5]) * (o[5] - last[5]));
        last = o;
    }
    const double rms = std::sqrt(rotation / kFrames);
    return {std::sqrt(translation / kFrames), rms, change / kFrames / rms};
}

class HumanizerCamProfiles : public ToolOnHost<CHumanizerCamObject> {
protected:
    HumanizerCamProfiles() : ToolOnHost("HumanizerCam", "HumanizerCam_01") {}

    // The settings `profile` loads into a fresh instance.
    ShakeSettings Loaded(const std::string& profile) {
        const CHumanizerCamObject* camera = CreateWithProfile(profile);
        return camera != nullptr ? camera->settings : ShakeSettings{};
    }
};

TEST_P(HumanizerCamProfiles, EveryListedProfileIsShippedInTheCurrentFormAndLoads) {
    ExpectShippedConfigProfiles(*core_, *instance_, "humanizercam", Names());
}

// Each loaded profile shakes the camera through a take of its instance, and as its name says:
// the earthquake and the bomb far more than the small shakes, the nervous hand quicker than the warm
// one, and a slowly moving camera more with the low threshold than with the normal hand.
TEST_P(HumanizerCamProfiles, EachProfileShakesAsItsNameSays) {
    std::map<std::string, Shaking> still, walking;
    for (const std::string& name : Names()) {
        const ShakeSettings settings = Loaded(name);
        still[name] = Measure(settings, 0.0);
        walking[name] = Measure(settings, 0.5);
        EXPECT_GT(still[name].translation, 0.0) << name;
    }
    EXPECT_GT(still["Earthquake"].translation, 10.0 * still["Small Shakes"].translation);
    EXPECT_GT(still["Earthquake"].rotation, 10.0 * still["Small Shakes"].rotation);
    EXPECT_GT(still["Bomb"].translation, still["Earthquake"].translation);
    EXPECT_GT(still["Hand Held Nervous"].quickness, 5.0 * still["Warmth"].quickness);
    EXPECT_LT(still["Warmth"].rotation, still["Hand Held Normal"].rotation);
    EXPECT_NEAR(still["Low Threshold"].rotation, still["Hand Held Normal"].rotation, 1e-12)
        << "standing still they are the same hand";
    EXPECT_GT(walking["Low Threshold"].rotation, 1.1 * walking["Hand Held Normal"].rotation);
    EXPECT_GT(walking["Hand Held Fast Lateral Movement"].translation,
              walking["Hand Held Normal"].translation);

    // A take of an instance with a profile loaded shakes its camera.
    ASSERT_NE(CreateWithProfile("Earthquake"), nullptr);
    ASSERT_TRUE(core_->LoadProfile(instance_->GetName(), "Earthquake"));
    BeginRun(0.0, false);
    for (int f = 1; f <= 10; ++f) instance_->Step(f * kFrame);
    EndRun();
    EXPECT_GT(std::abs(Local("HumanizerCam", 10 * kFrame).m[3][1]), 1e-3);
}

// Writes the table into data/ (run by hand after changing it or the page:
// plugin_tests --gtest_also_run_disabled_tests --gtest_filter='*HumanizerCamProfiles*Write*/Memory').
TEST_P(HumanizerCamProfiles, DISABLED_WriteFactoryProfiles) {
    // The shake travels with a profile; the hide flag and the seed stay.
    WriteFactoryProfiles(
        *instance_, tool_->settings, Profiles(), "humanizercam",
        [](const std::string& label) { return label != "General Modes" && label != "Noise"; });
}

INSTANTIATE_TEST_SUITE_P(, HumanizerCamProfiles, testing::ValuesIn(BuiltHostKinds()), HostKindName);

} // namespace
} // namespace vex::orb::core::test
