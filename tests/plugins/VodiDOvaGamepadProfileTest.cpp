#include "core/CoreStartup.h"
#include "plugins/vodidova/CVodiDOvaObject.h"
#include "tests/plugins/ShippedProfileChecks.h"
#include "tests/plugins/TestGamepad.h"
#include "tests/plugins/ToolOnHostFixture.h"
#include "unidevice/Control.h"
#include "unidevice/ControlKind.h"
#include "unidevice/DeviceRegistry.h"
#include "unidevice/Property.h"

#include <gtest/gtest.h>

#include <set>

namespace vex::orb::core::test {
namespace {

using addon::CVodiDOvaObject;
namespace ud = unidevice;

constexpr const char* kProfile = "Example Gamepad";

class VodiDOvaGamepadProfile : public ToolOnHost<CVodiDOvaObject> {
protected:
    VodiDOvaGamepadProfile() : ToolOnHost("VodiDOva", "VodiDOva_01") {}
    void SetUp() override {
        ud::DeviceRegistry::Instance().Shutdown();
        ToolOnHost::SetUp();
    }
    void TearDown() override {
        ToolOnHost::TearDown();
        ud::DeviceRegistry::Instance().Shutdown();
    }
    ud::Property& Channel(const char* name) { return *instance_->findInputChannel(name); }
};

TEST_P(VodiDOvaGamepadProfile, IsShippedAndBindsEveryChannelToItsOwnControlOfAnyPad) {
    InputProfileManager& inputs = instance_->GetTool().GetInputProfileManager();
    EXPECT_EQ(inputs.ListProfiles(), Names{kProfile});
    const std::string file = ":/torvasuite/data/vodidova/inputprofiles/Example Gamepad.cip";
    EXPECT_EQ(inputs.GetProfileFile(kProfile), file);
    EXPECT_TRUE(inputs.IsReadOnly(kProfile));
    ExpectShippedFileForm(file);

    auto* pad = new TestGamepad;
    ASSERT_EQ(core_->LoadInputProfile(instance_->GetName(), kProfile), 0) << "every binding finds the pad";
    EXPECT_EQ(instance_->GetInputProfileName(), kProfile);
    std::set<const ud::Control*> bound;
    for (const char* name : CVodiDOvaObject::kInputNames) {
        SCOPED_TRACE(name);
        const ud::Property& channel = Channel(name);
        ASSERT_NE(channel.getControl(), nullptr);
        EXPECT_EQ(channel.getControl()->getDevice(), pad);
        EXPECT_NE(channel.GetAccepts() & channel.getControl()->GetKind(), 0u)
            << "a control the channel takes";
        EXPECT_EQ(channel.GetExponent(), 1.3);
        bound.insert(channel.getControl());
    }
    EXPECT_EQ(bound.size(), CVodiDOvaObject::kInputNames.size()) << "no control drives two channels";

    // Each control moved the way a player means the channel's positive direction drives it positive:
    // left stick up and right, hat up and right, right stick right and up, the shoulder buttons.
    struct Move {
        const char* channel;
        const char* type;
        int index;
        double value;
    };
    const Move moves[] = {
        {"Forw/Backw Force", "Axis", 1, -1.0},      {"Right/Left Force", "Axis", 0, 1.0},
        {"Up/Down Force", "Hat", 1, 1.0},           {"Yaw Force (Right/Left)", "Axis", 2, 1.0},
        {"Pitch Force (Up/Down)", "Axis", 5, -1.0}, {"Roll Force (Right/Left)", "Hat", 0, 1.0},
        {"Airplane Brake", "Button", 4, 1.0},       {"Brake All", "Button", 5, 1.0},
        {"Translational Brake", "Button", 6, 1.0},  {"Rotational Brake", "Button", 7, 1.0},
    };
    for (const Move& move : moves) {
        ud::Control& control = pad->Find(move.type, move.index);
        EXPECT_EQ(Channel(move.channel).getControl(), &control) << move.channel;
        control.setValue(move.value);
        EXPECT_DOUBLE_EQ(Channel(move.channel).getValue(), 1.0) << move.channel;
        control.setValue(0.0);
    }

    // Pushing the left stick up flies the camera forward, along its own -z.
    pad->Find("Axis", 1).setValue(-1.0);
    instance_->BeginRecord(0.0, false);
    for (int f = 1; f <= 10; ++f) instance_->Step(f * kFrame);
    instance_->EndRecord();
    EXPECT_LT(Local("VodiDOva", 10 * kFrame).m[3][2], -0.01);
}

INSTANTIATE_TEST_SUITE_P(, VodiDOvaGamepadProfile, testing::ValuesIn(BuiltHostKinds()), HostKindName);

} // namespace
} // namespace vex::orb::core::test
