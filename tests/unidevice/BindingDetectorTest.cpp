#include "unidevice/BindingDetector.h"

#include "platform/win32/Hooks.h"
#include "tests/unidevice/TestDevices.h"
#include "unidevice/DummyDriver.h"
#include "unidevice/InputProfile.h"
#include "unidevice/Property.h"
#include "unidevice/PropertyHandler.h"
#include "unidevice/WinDriver.h"
#include "unidevice/driver/EmulatedTrinaryDevice.h"
#include "unidevice/driver/WINHOOK_KeyboardDevice.h"

#include <gtest/gtest.h>

namespace vex::unidevice::test {
namespace {

namespace win32 = platform::win32;
using Timer = BindingDetector::Timer;

// A stick with two axes and a button box with two buttons on "dummydriver", "windriver" beside it,
// and the detector for one channel driven as the dialog drives it.
class BindingDetectorTest : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        auto* dummy = new DummyDriver;
        windriver = new WinDriver;
        stick = new TestDevice("Stick", 2);
        buttons = new TestDevice("Buttons", 2, kBinaryControl);
        stick->setDriver(dummy);
        buttons->setDriver(dummy);
    }
    // Runs timer ticks until the running timer stops, at most `ticks` of them.
    void Tick(int ticks = 1) {
        for (int i = 0; i < ticks && detector.GetTimer() != Timer::kNone; ++i) {
            if (detector.GetTimer() == Timer::kFirst)
                detector.OnTimer1();
            else
                detector.OnTimer2();
        }
    }

    WinDriver* windriver = nullptr;
    TestDevice* stick = nullptr;
    TestDevice* buttons = nullptr;
    Property channel{"Steer", kFiniteControl | kBinaryControl};
    BindingDetector::HWND dialog = reinterpret_cast<BindingDetector::HWND>(0x1234);
    BindingDetector detector{channel, dialog, registry};
};

TEST_F(BindingDetectorTest, WaitsWhileNothingMovesThenOffersTheMovedControlAndBindsIt) {
    EXPECT_EQ(detector.GetMessage(), "");
    detector.Start();
    EXPECT_EQ(windriver->getWindow(), dialog);
    EXPECT_EQ(detector.GetTimer(), Timer::kFirst);
    EXPECT_EQ(detector.GetTimerPeriod(), 0.03);
    EXPECT_EQ(detector.GetMessage(), "Please press or move the control you want to bind");

    stick->next[1] = 0.1; // within the threshold: no change
    Tick(3);
    EXPECT_EQ(detector.GetTimer(), Timer::kFirst) << "still waiting";
    EXPECT_EQ(detector.GetDetectedControl(), nullptr);
    EXPECT_EQ(detector.GetControlText(), "");
    detector.OnTimer2(); // not running: ignored
    EXPECT_EQ(detector.GetTimer(), Timer::kFirst);

    stick->getControl(1)->setDescription("");
    stick->next[1] = 0.8;
    Tick();
    EXPECT_EQ(detector.GetTimer(), Timer::kNone);
    EXPECT_EQ(detector.GetDetectedControl(), stick->getControl(1));
    EXPECT_EQ(detector.GetMessage(), "Use this control?");
    EXPECT_EQ(detector.GetControlText(), "[NONE]") << "the control has no description";
    EXPECT_EQ(stick->getControl(1)->getCurrent(), 0.0) << "values cleared after detection";

    ASSERT_TRUE(detector.Accept());
    EXPECT_EQ(channel.getControl(), stick->getControl(1));
    EXPECT_EQ(channel.getMultiplier(), 1.0) << "moved toward positive: stays positive";
}

TEST_F(BindingDetectorTest, TheWayTheControlMovedBecomesTheChannelsPositiveWay) {
    struct Case {
        double move;
        double multiplier;
        double expected;
    };
    for (const Case& c :
         {Case{-0.9, 1.5, -1.5}, Case{-0.9, -1.5, -1.5}, Case{0.9, -1.5, 1.5}, Case{0.9, 1.5, 1.5}}) {
        channel.setMultiplier(c.multiplier);
        stick->next[0] = 0.0;
        detector.Start();
        stick->next[0] = c.move;
        Tick();
        EXPECT_EQ(detector.GetDirection(), c.move > 0);
        ASSERT_TRUE(detector.Accept());
        EXPECT_EQ(channel.getMultiplier(), c.expected) << c.move << " " << c.multiplier;
    }
}

TEST_F(BindingDetectorTest, RetryIgnoresTheControlDetectedLast) {
    detector.Start();
    stick->next = {0.9, 0.0};
    Tick();
    ASSERT_EQ(detector.GetFirstControl(), stick->getControl(0));

    detector.Retry();
    EXPECT_EQ(detector.GetDetectedControl(), nullptr);
    EXPECT_EQ(detector.GetExcluded(), std::vector<Control*>{stick->getControl(0)});
    stick->next = {-0.9, 0.5}; // axis 0 moves further but is excluded now
    Tick();
    EXPECT_EQ(detector.GetDetectedControl(), stick->getControl(1));

    detector.Start();
    EXPECT_TRUE(detector.GetExcluded().empty()) << "a fresh start forgets the excluded controls";
}

TEST_F(BindingDetectorTest, NoRespondingDeviceBindsNothing) {
    stick->resyncs = false;
    buttons->resyncs = false;
    channel.setControl(buttons->getControl(0));
    detector.Start();
    EXPECT_EQ(detector.GetMessage(), "No device detected");
    EXPECT_EQ(detector.GetTimer(), Timer::kNone);
    EXPECT_FALSE(detector.Accept());
    EXPECT_EQ(channel.getControl(), buttons->getControl(0)) << "left as it was";
}

TEST_F(BindingDetectorTest, TheWindowDriverGetsItsFormerWindowBackWhenTheDialogCloses) {
    const auto former = reinterpret_cast<BindingDetector::HWND>(0x77);
    windriver->setWindow(former);
    detector.Start();
    EXPECT_EQ(windriver->getWindow(), dialog);
    detector.Retry();
    stick->next[0] = 0.9;
    Tick();
    ASSERT_TRUE(detector.Accept());
    EXPECT_EQ(windriver->getWindow(), former) << "accepted";

    windriver->setWindow(nullptr);
    detector.Start();
    detector.Cancel();
    EXPECT_EQ(windriver->getWindow(), nullptr) << "cancelled";

    stick->resyncs = buttons->resyncs = false;
    {
        BindingDetector closing(channel, reinterpret_cast<BindingDetector::HWND>(0x99), registry);
        closing.Start();
        EXPECT_EQ(closing.GetMessage(), "No device detected");
        EXPECT_EQ(windriver->getWindow(), reinterpret_cast<BindingDetector::HWND>(0x99));
    }
    EXPECT_EQ(windriver->getWindow(), nullptr) << "closed without either";
}

// The keyboard and the emulator as the core creates them, keys coming through the thread's hook.
class KeyboardBindingTest : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        CreateDevices();
        channels.addProperty("Forw/Backw Transl",
                             new Property("Forw/Backw Transl", kTrinaryControl | kFiniteControl));
    }
    // The devices of one run of the plug-in.
    void CreateDevices() {
        new DummyDriver;
        new WinDriver;
        keyboard = new WINHOOK_KeyboardDevice;
        new EmulatedTrinaryDevice;
    }
    static void Key(int code, bool down) {
        win32::DispatchKeyboardEvent(code, win32::MakeKeyData(down, false));
    }

    WINHOOK_KeyboardDevice* keyboard = nullptr;
    PropertyHandler channels;
};

TEST_F(KeyboardBindingTest, TwoKeysDetectedForASteeringChannelBecomeOneEmulatedControl) {
    struct Case {
        int positive;
        int negative;
        const char* text;
    };
    // Named keys, and keys without a name, which must not stand for one another.
    for (const Case& c : {Case{'I', 'K', "emulated control (Keyboard:I, Keyboard:K)"},
                          Case{233, 234, "emulated control (Keyboard:Key_233, Keyboard:Key_234)"}}) {
        SCOPED_TRACE(c.text);
        Property& channel = *channels.getProperty(0);
        BindingDetector detector(channel, nullptr, registry);
        detector.Start();
        ASSERT_TRUE(keyboard->isHooked());
        detector.OnTimer1();
        EXPECT_EQ(detector.GetTimer(), Timer::kFirst) << "no key yet";

        Key(c.positive, true);
        detector.OnTimer1();
        EXPECT_EQ(detector.GetFirstControl(), keyboard->getKey(c.positive));
        EXPECT_EQ(detector.GetMessage(), "Please press or move another control");
        Key(c.positive, false); // the first key itself is ignored now
        detector.OnTimer2();
        EXPECT_EQ(detector.GetTimer(), Timer::kSecond);
        Key(c.negative, true);
        Key(c.negative, false);
        detector.OnTimer2();
        EXPECT_EQ(detector.GetSecondControl(), keyboard->getKey(c.negative));
        EXPECT_EQ(detector.GetMessage(), "Use this control?");
        EXPECT_EQ(detector.GetControlText(), c.text);
        ASSERT_TRUE(detector.Accept());
        EXPECT_FALSE(keyboard->isHooked()) << "devices stopped";
        EXPECT_EQ(channel.getControl(), detector.GetDetectedControl());
        EXPECT_EQ(channel.getMultiplier(), 1.0);

        // While input runs, the first key drives the channel to +1, the second to -1, both to 0.
        registry.startAll();
        Key(c.positive, true);
        EXPECT_EQ(channel.getValue(), 1.0);
        Key(c.negative, true);
        EXPECT_EQ(channel.getValue(), 0.0);
        Key(c.positive, false);
        EXPECT_EQ(channel.getValue(), -1.0);
        Key(c.negative, false);
        registry.stopAll();

        // The binding is stored with both keys and found again from the profile, in this run and in
        // the next one.
        const util::xml::Element saved = InputProfile::Save(channels, "Keys");
        channel.setControl(nullptr);
        std::string name;
        EXPECT_EQ(InputProfile::Load(channels, saved, name), 0);
        EXPECT_EQ(channel.getControl(), detector.GetDetectedControl());

        registry.shutdown();
        CreateDevices();
        EXPECT_EQ(InputProfile::Load(channels, saved, name), 0);
        ASSERT_NE(channel.getControl(), nullptr);
        EXPECT_EQ(channel.getControl()->getDescription(), c.text);
        registry.startAll();
        Key(c.negative, true);
        EXPECT_EQ(channel.getValue(), -1.0);
        Key(c.negative, false);
        registry.stopAll();
    }
}

} // namespace
} // namespace vex::unidevice::test
