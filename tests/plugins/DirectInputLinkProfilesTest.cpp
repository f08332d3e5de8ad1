#include "core/Instance.h"
#include "plugins/directinputlink/CDirectInputLinkObject.h"
#include "tests/plugins/KeyboardToolOnHost.h"
#include "tests/plugins/ShippedProfileChecks.h"
#include "unidevice/DeviceRegistry.h"
#include "unidevice/driver/WINHOOK_KeyboardDevice.h"
#include "util/xml/Element.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vex::orb::core::test {
namespace {

using addon::CDirectInputLinkObject;
using addon::LinkChannelSettings;
namespace ud = unidevice;
using Settings = std::array<LinkChannelSettings, CDirectInputLinkObject::kMaxChannels>;

struct FactoryProfile {
    const char* name;
    std::function<void(Settings&)> change;
};

// Every channel's response factor.
void Response(Settings& s, double factor) {
    for (LinkChannelSettings& c : s) c.responseFactor = factor;
}

const std::vector<FactoryProfile>& Profiles() {
    static const std::vector<FactoryProfile> profiles{
        {"Immediate",
         [](Settings& s) {
             Response(s, 1.0);
             for (LinkChannelSettings& c : s) c.changeLimit = 0.0;
         }},
        {"Integrating Increase",
         [](Settings& s) {
             for (LinkChannelSettings& c : s) c.integrate = true;
         }},
        {"Quick", [](Settings& s) { Response(s, 0.4); }},
        {"Smooth (no roll)",
         [](Settings& s) {
             Response(s, 0.08);
             s[addon::kLinkRoll].maximum = 0.0;
         }},
        {"Smooth", [](Settings& s) { Response(s, 0.08); }},
        // A key tap starts a steady motion or turn and the next tap stops it.
        {"Trinary State (Keyboard)",
         [](Settings& s) {
             for (LinkChannelSettings& c : s) c.keepTrinaryState = c.integrate = true;
         }},
        {"Very Quick", [](Settings& s) { Response(s, 0.7); }},
        {"Very Smooth", [](Settings& s) { Response(s, 0.03); }},
    };
    return profiles;
}

// The laptop keyboard's pairs of keys (positive, negative) per channel, by key name.
constexpr std::array<std::array<const char*, 2>, addon::kLinkChannelCount> kLaptopKeys{
    {{"W", "S"},
     {"D", "A"},
     {"R", "F"},
     {"Right_Arrow", "Left_Arrow"},
     {"Up_Arrow", "Down_Arrow"},
     {"E", "Q"}}};
constexpr const char* kLaptop = "Keyboard (Laptop)";

class DirectInputLinkProfiles : public KeyboardToolOnHost<CDirectInputLinkObject> {
protected:
    DirectInputLinkProfiles() : KeyboardToolOnHost("DirectInputLink", "DirectInputLink_01") {}

    // The emulated control made of the keys named `positive` and `negative`, through the registry as
    // a profile finds it.
    static ud::Control* KeyPair(const std::string& positive, const std::string& negative) {
        util::xml::Element element;
        const std::string text =
            "<control device=\"TrinaryEmulator\" type=\"control\" index=\"0\">"
            "<control device=\"Keyboard\" type=\"" +
            positive + "\" index=\"0\" te_direction=\"positive\"/><control device=\"Keyboard\" type=\"" +
            negative + "\" index=\"0\" te_direction=\"negative\"/></control>";
        if (element.Parse(text) != 0) return nullptr;
        return ud::DeviceRegistry::Instance().findControl(element);
    }

    // The forward offset of the link after `frames` frames of the forward input at `value`, with the
    // configuration profile `profile`, from rest.
    double ForwardAfter(const std::string& profile, int frames, double value) {
        CDirectInputLinkObject* link = CreateWithProfile(profile);
        if (link == nullptr) return 0.0;
        addon::LinkChannelState state;
        state.input = value;
        for (int f = 0; f < frames; ++f)
            addon::StepLinkChannel(state, link->settings[addon::kLinkForward], kFrame);
        return state.filter.second;
    }
};

TEST_P(DirectInputLinkProfiles, EveryListedProfileIsShippedInTheCurrentFormAndLoads) {
    std::vector<std::string> names;
    for (const FactoryProfile& profile : Profiles()) names.push_back(profile.name);
    ExpectShippedConfigProfiles(*core_, *instance_, "directinputlink", names);
}

// One frame and half a second of full forward input with each profile.
TEST_P(DirectInputLinkProfiles, EachProfileRespondsAsItsNameSays) {
    std::map<std::string, double> first, half;
    for (const FactoryProfile& profile : Profiles()) {
        first[profile.name] = ForwardAfter(profile.name, 1, 1.0);
        half[profile.name] = ForwardAfter(profile.name, 12, 1.0);
    }
    EXPECT_EQ(first["Immediate"], 1.0) << "at once";
    EXPECT_GT(half["Very Quick"], half["Quick"]);
    EXPECT_GT(half["Quick"], half["Smooth"]);
    EXPECT_GT(half["Smooth"], half["Very Smooth"]) << "Very Smooth lags more than Smooth";
    EXPECT_GT(ForwardAfter("Integrating Increase", 100, 1.0), 3.0) << "the offset keeps growing";
    EXPECT_GT(ForwardAfter("Trinary State (Keyboard)", 100, 1.0), 3.0);

    const CDirectInputLinkObject* noRoll = CreateWithProfile("Smooth (no roll)");
    ASSERT_NE(noRoll, nullptr);
    EXPECT_EQ(noRoll->settings[addon::kLinkRoll].maximum, 0.0);
    EXPECT_GT(noRoll->settings[addon::kLinkYaw].maximum, 0.0);
}

// The laptop profile binds each channel to a pair of keys through the emulated trinary device; with
// "Trinary State (Keyboard)" a tap of W starts the camera moving forward and the next tap stops it.
TEST_P(DirectInputLinkProfiles, TheLaptopProfileFliesTheCameraWithTheKeyboardAlone) {
    EXPECT_EQ(instance_->GetTool().GetInputProfileManager().ListProfiles(),
              std::vector<std::string>{kLaptop});
    ExpectShippedFileForm(std::string(":/torvasuite/data/directinputlink/inputprofiles/") + kLaptop + ".cip");
    ASSERT_EQ(core_->LoadInputProfile(instance_->GetName(), kLaptop), 0) << "every key is found";
    for (std::size_t k = 0; k < addon::kLinkChannelCount; ++k)
        EXPECT_EQ(tool_->channels[k]->getControl(), KeyPair(kLaptopKeys[k][0], kLaptopKeys[k][1])) << k;

    ASSERT_TRUE(core_->LoadProfile(instance_->GetName(), "Trinary State (Keyboard)"));
    ud::Control* w = keyboard_->GetKey('W');
    BeginRun(0.0, false);
    w->setValue(1.0);
    instance_->Step(kFrame);
    w->setValue(0.0);
    for (int f = 2; f <= 50; ++f) instance_->Step(f * kFrame);
    const double moving = Local("DirectInputLink", 50 * kFrame).m[3][2];
    EXPECT_LT(moving, -1.0) << "still going forward after the tap";
    w->setValue(1.0);
    instance_->Step(51 * kFrame);
    w->setValue(0.0);
    for (int f = 52; f <= 150; ++f) instance_->Step(f * kFrame);
    EndRun();
    EXPECT_NEAR(Local("DirectInputLink", 150 * kFrame).m[3][2],
                Local("DirectInputLink", 149 * kFrame).m[3][2], 1e-9)
        << "stopped by the second tap";
}

// Writes the tables into data/ (run by hand after changing them or the page: plugin_tests
// --gtest_also_run_disabled_tests --gtest_filter='*DirectInputLinkProfiles*Write*Memory').
TEST_P(DirectInputLinkProfiles, DISABLED_WriteFactoryProfiles) {
    for (const FactoryProfile& profile : Profiles()) {
        const Settings kept = tool_->settings;
        profile.change(tool_->settings);
        util::xml::Element element;
        instance_->WriteConfiguration(element, profile.name);
        tool_->settings = kept;
        // Only the inputs travel with a profile; the hide flags stay.
        for (size_t g = 0, n = element.CountChildren("group"); g < n; ++g) {
            util::xml::Element& group = *element.GetChild("group", g);
            if (group.GetAttribute("label") != "Input Property Parameters")
                std::erase_if(group.GetChildren(),
                              [](const util::xml::Element& c) { return c.GetName() == "item"; });
        }
        std::ofstream out(std::string("../data/directinputlink/configprofiles/") + profile.name + ".ccp",
                          std::ios::binary);
        out << ShippedProfileText(element);
        EXPECT_TRUE(out.good()) << profile.name;
    }
    for (std::size_t k = 0; k < addon::kLinkChannelCount; ++k)
        ASSERT_NE(tool_->channels[k]->SetControl(KeyPair(kLaptopKeys[k][0], kLaptopKeys[k][1])), 65535u);
    util::xml::Element inputs;
    instance_->WriteInputProfile(inputs, kLaptop);
    std::ofstream out(std::string("../data/directinputlink/inputprofiles/") + kLaptop + ".cip",
                      std::ios::binary);
    out << ShippedProfileText(inputs);
    EXPECT_TRUE(out.good());
}

INSTANTIATE_TEST_SUITE_P(, DirectInputLinkProfiles, testing::ValuesIn(BuiltHostKinds()), HostKindName);

} // namespace
} // namespace vex::orb::core::test
