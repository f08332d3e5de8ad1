#include "unidevice/driver/EmulatedTrinaryDevice.h"

#include "platform/win32/Hooks.h"
#include "tests/unidevice/TestDevices.h"
#include "unidevice/DummyDriver.h"
#include "unidevice/Property.h"
#include "unidevice/driver/EmulatedTControl.h"
#include "unidevice/driver/WINHOOK_KeyboardDevice.h"

#include <gtest/gtest.h>

#include <string>

namespace vex::unidevice::test {
namespace {

namespace win32 = platform::win32;

class EmulatedTrinaryDeviceTest : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        new DummyDriver;
        keyboard_ = new WINHOOK_KeyboardDevice;
        emulator_ = new EmulatedTrinaryDevice;
    }

    static void Key(int key, bool down) {
        win32::DispatchKeyboardEvent(key, win32::MakeKeyData(down, false));
    }

    // A stored binding as the input profiles keep it, its sources in the given order.
    static util::xml::Element Binding(const std::string& first, const std::string& firstDirection,
                                      const std::string& second, const std::string& secondDirection) {
        util::xml::Element element;
        const std::string text = "<control device=\"TrinaryEmulator\" type=\"control\" index=\"0\">"
                                 "<description>whatever</description>"
                                 "<control device=\"Keyboard\" type=\"" +
                                 first + "\" index=\"0\" te_direction=\"" + firstDirection +
                                 "\"/>"
                                 "<control device=\"Keyboard\" type=\"" +
                                 second + "\" index=\"0\" te_direction=\"" + secondDirection +
                                 "\"/></control>";
        EXPECT_EQ(element.Parse(text), 0);
        return element;
    }

    WINHOOK_KeyboardDevice* keyboard_ = nullptr;
    EmulatedTrinaryDevice* emulator_ = nullptr;
};

TEST_F(EmulatedTrinaryDeviceTest, TwoKeysGiveMinusZeroPlus) {
    EmulatedTControl* ik = emulator_->MakeControl(keyboard_->GetKey('I'), keyboard_->GetKey('K'));
    ASSERT_NE(ik, nullptr);
    EXPECT_EQ(ik->getDescription(), "emulated control (Keyboard:I, Keyboard:K)");
    EXPECT_EQ(ik->GetKind(), kTrinaryControl);
    EXPECT_EQ(ik->GetThreshold(), 0.1);
    EXPECT_EQ(emulator_->GetDriver(), registry_.findDriver("dummydriver"));
    EXPECT_EQ(emulator_->MakeControl(keyboard_->GetKey('I'), keyboard_->GetKey('K')), ik) << "made once";
    EXPECT_NE(emulator_->MakeControl(keyboard_->GetKey('K'), keyboard_->GetKey('I')), ik) << "order matters";
    EXPECT_EQ(emulator_->MakeControl(keyboard_->GetKey('K'), nullptr), nullptr);

    ASSERT_TRUE(registry_.startAll());
    Key('I', true);
    EXPECT_EQ(ik->getValue(), 1.0);
    Key('K', true);
    EXPECT_EQ(ik->getValue(), 0.0) << "both held";
    Key('I', false);
    EXPECT_EQ(ik->getValue(), -1.0);
    Key('I', true);
    Key('K', false);
    EXPECT_EQ(ik->getValue(), 1.0) << "K released";

    // The emulator never reports a change itself and does not count as responding.
    EXPECT_EQ(emulator_->detectChange({}, nullptr), nullptr);
    EXPECT_FALSE(emulator_->resync(nullptr));
    registry_.stopAll();
}

TEST_F(EmulatedTrinaryDeviceTest, ASourceOfAnotherDeviceIndexIsNamedWithIt) {
    auto* second = new TestDevice("Pad", 1);
    auto* third = new TestDevice("Pad", 2);
    (void)second;
    EmulatedTControl* control = emulator_->MakeControl(third->getControl(1), keyboard_->GetKey(' '));
    EXPECT_EQ(control->getDescription(), "emulated control (Pad(1):Axis 1, Keyboard:Space)");
}

TEST_F(EmulatedTrinaryDeviceTest, StoredBindingsAreRebuiltTheRightWayRound) {
    EmulatedTControl* made = emulator_->MakeControl(keyboard_->GetKey('I'), keyboard_->GetKey('K'));
    util::xml::Element saved;
    made->toXml(saved);
    ASSERT_EQ(saved.CountChildren("control"), 2u);
    EXPECT_EQ(saved.GetAttribute("device"), "TrinaryEmulator");
    EXPECT_FALSE(saved.HasAttribute("devindex"));
    EXPECT_EQ(saved.GetChild("control", 0)->GetAttribute("te_direction"), "positive");
    EXPECT_EQ(saved.GetChild("control", 0)->GetAttribute("type"), "I");
    EXPECT_EQ(saved.GetChild("control", 1)->GetAttribute("te_direction"), "negative");
    EXPECT_EQ(registry_.findControl(saved), made) << "the existing control is found, not a copy";
    EXPECT_EQ(registry_.findControl(Binding("K", "negative", "I", "positive")), made);

    // A new pair is built on demand through the registry, negative-first or not.
    Control* built = registry_.findControl(Binding("W", "negative", "S", "positive"));
    ASSERT_NE(built, nullptr);
    auto* emulated = static_cast<EmulatedTControl*>(built);
    EXPECT_EQ(emulated->GetPositive(), keyboard_->GetKey('S'));
    EXPECT_EQ(emulated->GetNegative(), keyboard_->GetKey('W'));
    EXPECT_EQ(emulator_->getControlCount(), 2);
    EXPECT_EQ(registry_.findControl(Binding("S", "positive", "W", "negative")), built);
    EXPECT_EQ(emulator_->getControlCount(), 2);

    // A property bound through a stored binding follows the keys.
    Property channel("Forw/Backw Transl", kTrinaryControl | kFiniteControl);
    channel.SetControl(built);
    registry_.startAll();
    Key('W', true);
    EXPECT_LT(channel.getValue(), 0.0);
    registry_.stopAll();
}

TEST_F(EmulatedTrinaryDeviceTest, BindingsWithoutBothSourcesStayUnresolved) {
    EXPECT_EQ(registry_.findControl(Binding("I", "positive", "NoSuchKey", "negative")), nullptr);

    util::xml::Element oneChild;
    ASSERT_EQ(oneChild.Parse("<control device=\"TrinaryEmulator\" type=\"control\" index=\"0\">"
                             "<control device=\"Keyboard\" type=\"I\" index=\"0\" te_direction=\"positive\"/>"
                             "<control/></control>"),
              0);
    EXPECT_EQ(registry_.findControl(oneChild), nullptr);
    EXPECT_EQ(emulator_->getControlCount(), 0);

    // A missing device is a missing source too.
    util::xml::Element otherDevice = Binding("I", "positive", "K", "negative");
    otherDevice.GetChild("control", 1)->SetAttribute("device", "Joystick");
    EXPECT_EQ(registry_.findControl(otherDevice), nullptr);
}

TEST_F(EmulatedTrinaryDeviceTest, ASourceThatGoesAwayIsForgotten) {
    auto* pad = new TestDevice("Pad", 2);
    EmulatedTControl* control = emulator_->MakeControl(pad->getControl(0), keyboard_->GetKey('K'));
    Property channel("Focal Position", kTrinaryControl);
    channel.SetControl(control);
    pad->next = {0.8, 0.0};
    pad->update(nullptr);
    EXPECT_DOUBLE_EQ(control->getValue(), 0.8);

    pad->destroy();
    EXPECT_EQ(control->GetPositive(), nullptr);
    EXPECT_EQ(control->getValue(), 0.0);
    util::xml::Element saved;
    control->toXml(saved);
    ASSERT_EQ(saved.CountChildren("control"), 1u);
    EXPECT_EQ(saved.GetChild("control", 0)->GetAttribute("te_direction"), "negative");

    // The emulator goes first at shutdown: its control unbinds the channel and leaves the keys alone.
    emulator_->destroy();
    EXPECT_TRUE(keyboard_->GetKey('K')->GetTargets().empty());
    EXPECT_EQ(channel.getValue(), 0.0);
}

} // namespace
} // namespace vex::unidevice::test
