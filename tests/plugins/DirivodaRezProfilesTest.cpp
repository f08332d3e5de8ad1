#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "plugins/dirivodarez/CDirivodaRezObject.h"
#include "tests/plugins/ShippedProfileChecks.h"
#include "tests/plugins/TestGamepad.h"
#include "tests/plugins/ToolOnHostFixture.h"
#include "util/Rotation.h"
#include "util/xml/Element.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace vex::orb::core::test {
namespace {

using addon::CDirivodaRezObject;
using addon::FreeFlightParameters;

struct FactoryProfile {
    const char* name;
    std::function<void(FreeFlightParameters&)> change;
};

// The speed and turn inputs' response factors.
void Response(FreeFlightParameters& p, double factor) {
    for (std::size_t k = 0; k <= addon::kFlightRoll; ++k) p.responseFactors[k] = factor;
}

const std::vector<FactoryProfile>& Profiles() {
    static const std::vector<FactoryProfile> profiles{
        {"Immediate (3dx)", [](FreeFlightParameters& p) { Response(p, 1.0); }},
        {"Normal - Allow roll", [](FreeFlightParameters& p) { p.allowRoll = true; }},
        {"Only Rotation",
         [](FreeFlightParameters& p) {
             for (std::size_t k = 0; k <= addon::kFlightUp; ++k) p.maxima[k] = 0.0;
         }},
        {"Quick", [](FreeFlightParameters& p) { Response(p, 0.5); }},
        {"Smooth", [](FreeFlightParameters& p) { Response(p, 0.06); }},
        {"Very Smooth", [](FreeFlightParameters& p) { Response(p, 0.02); }},
    };
    return profiles;
}

std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const FactoryProfile& profile : Profiles()) names.push_back(profile.name);
    return names;
}

class DirivodaRezProfiles : public ToolOnHost<CDirivodaRezObject> {
protected:
    DirivodaRezProfiles() : ToolOnHost("DirivodaRez", "DirivodaRez_01") {}

    // The settings `profile` loads into a fresh instance.
    FreeFlightParameters Loaded(const std::string& profile) {
        const CDirivodaRezObject* camera = CreateWithProfile(profile);
        return camera != nullptr ? camera->parameters : FreeFlightParameters{};
    }
};

TEST_P(DirivodaRezProfiles, EveryListedProfileIsShippedInTheCurrentFormAndLoads) {
    ExpectShippedConfigProfiles(*core_, *instance_, "dirivodarez", Names());
}

// The first second of full forward speed and full yaw with each profile: how far and how far round.
TEST_P(DirivodaRezProfiles, EachProfileFliesAsItsNameSays) {
    struct Run {
        double distance, firstFrameSpeed;
        bool rolled;
    };
    const auto fly = [this](const std::string& profile) {
        const FreeFlightParameters p = Loaded(profile);
        addon::FreeFlightState state = addon::RestingFlight({});
        addon::FlightRawInputs raw{};
        raw[addon::kFlightForward] = 1.0;
        raw[addon::kFlightRoll] = 1.0;
        addon::RunFreeFlight(state, raw, p, kFrame);
        const double first = util::Length(state.Pose().position) / kFrame;
        for (int f = 1; f < 25; ++f) addon::RunFreeFlight(state, raw, p, kFrame);
        const util::Matrix<double> r = util::ToMatrix(state.Pose().rotation);
        return Run{util::Length(state.Pose().position), first, std::abs(r.m[0][1]) > 1e-3};
    };
    const Run immediate = fly("Immediate (3dx)"), quick = fly("Quick"), smooth = fly("Smooth"),
              verySmooth = fly("Very Smooth"), onlyRotation = fly("Only Rotation"),
              roll = fly("Normal - Allow roll");
    EXPECT_NEAR(immediate.firstFrameSpeed, 5.0, 1e-9) << "a 3D mouse is followed at once";
    EXPECT_GT(immediate.distance, quick.distance);
    EXPECT_GT(quick.distance, smooth.distance);
    EXPECT_GT(smooth.distance, verySmooth.distance) << "Very Smooth lags more than Smooth";
    EXPECT_EQ(onlyRotation.distance, 0.0);
    EXPECT_TRUE(roll.rolled);
    EXPECT_FALSE(smooth.rolled);
}

// The example input profile binds yaw and pitch to the left stick and the memory regulators to the
// first three buttons, and leaves every other channel free.
TEST_P(DirivodaRezProfiles, TheExampleInputProfileBindsYawPitchAndTheMemoryRegulatorsOnly) {
    const std::string name = "Example - Yaw Pitch and MemRegulator only";
    EXPECT_EQ(instance_->GetTool().GetInputProfileManager().ListProfiles(), std::vector<std::string>{name});
    ExpectShippedFileForm(":/torvasuite/data/dirivodarez/inputprofiles/" + name + ".cip");
    auto* pad = new TestGamepad; // owned by the device registry
    ASSERT_EQ(core_->LoadInputProfile(instance_->GetName(), name), 0);
    const auto channel = [this](std::size_t k) { return tool_->channels[k]; };
    EXPECT_EQ(channel(addon::kFlightYaw)->getControl(), &pad->Find("Axis", 0));
    EXPECT_EQ(channel(addon::kFlightPitch)->getControl(), &pad->Find("Axis", 1));
    EXPECT_EQ(channel(addon::kFlightTranslRegulator)->getControl(), &pad->Find("Button", 0));
    EXPECT_EQ(channel(addon::kFlightOrientRegulator)->getControl(), &pad->Find("Button", 1));
    EXPECT_EQ(channel(addon::kFlightSaveRegulator)->getControl(), &pad->Find("Button", 2));
    for (std::size_t k : {addon::kFlightForward, addon::kFlightRight, addon::kFlightUp, addon::kFlightRoll,
                          addon::kFlightShaker, addon::kFlightWalkCycle, addon::kFlightAntiRoll})
        EXPECT_EQ(channel(k)->getControl(), nullptr) << k;
    // Stick up pitches up.
    pad->Find("Axis", 1).setValue(-1.0);
    EXPECT_DOUBLE_EQ(channel(addon::kFlightPitch)->getValue(), 1.0);
}

// Writes the table into data/ (run by hand after changing it or the page:
// plugin_tests --gtest_also_run_disabled_tests --gtest_filter='*DirivodaRezProfiles*Write*Memory').
TEST_P(DirivodaRezProfiles, DISABLED_WriteFactoryProfiles) {
    for (const FactoryProfile& profile : Profiles()) {
        const FreeFlightParameters kept = tool_->parameters;
        profile.change(tool_->parameters);
        util::xml::Element element;
        instance_->WriteConfiguration(element, profile.name);
        tool_->parameters = kept;
        // Only the modes and the inputs travel with a profile; the lens and the hide flags stay.
        for (size_t g = 0, n = element.CountChildren("group"); g < n; ++g) {
            util::xml::Element& group = *element.GetChild("group", g);
            const std::string label = group.GetAttribute("label");
            if (label != "Camera Modes" && label != "Input Property Parameters")
                std::erase_if(group.GetChildren(),
                              [](const util::xml::Element& c) { return c.GetName() == "item"; });
        }
        std::ofstream out(std::string("../data/dirivodarez/configprofiles/") + profile.name + ".ccp",
                          std::ios::binary);
        out << ShippedProfileText(element);
        EXPECT_TRUE(out.good()) << profile.name;
    }
}

INSTANTIATE_TEST_SUITE_P(, DirivodaRezProfiles, testing::ValuesIn(BuiltHostKinds()), HostKindName);

} // namespace
} // namespace vex::orb::core::test
