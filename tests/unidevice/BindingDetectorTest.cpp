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
        windriver_ = new WinDriver;
        stick_ = new TestDevice("Stick", 2);
        buttons_ = new TestDevice("Buttons", 2, kBinaryControl);
        stick_->setDriver(dummy);
        buttons_->setDriver(dummy);
    }
    // Runs timer ticks until the running timer stops, at most `ticks` of them.
    void Tick(int ticks = 1) {
        for (int i = 0; i < ticks && detector_.GetTimer() != Timer::kNone; ++i) {
            if (detector_.GetTimer() == Timer::kFirst)
                detector_.OnTimer1();
            else
                detector_.OnTimer2();
        }
    }

    WinDriver* windriver_ = nullptr;
    TestDevice* stick_ = nullptr;
    TestDevice* buttons_ = nullptr;
    Property channel_{"Steer", kFiniteControl | kBinaryControl};
    BindingDetector::HWND dialog_ = reinterpret_cast<BindingDetector::HWND>(0x1234);
    BindingDetector detector_{channel_, dialog_, registry_};
};

TEST_F(BindingDetectorTest, WaitsWhileNothingMovesThenOffersTheMovedControlAndBindsIt) {
    EXPECT_EQ(detector_.GetMessage(), "");
    detector_.Start();
    EXPECT_EQ(windriver_->GetWindow(), dialog_);
    EXPECT_EQ(detector_.GetTimer(), Timer::kFirst);
    EXPECT_EQ(detector_.GetTimerPeriod(), 0.03);
    EXPECT_EQ(detector_.GetMessage(), "Please press or move the control you want to bind");

    stick_->next[1] = 0.1; // within the threshold: no change
    Tick(3);
    EXPECT_EQ(detector_.GetTimer(), Timer::kFirst) << "still waiting";
    EXPECT_EQ(detector_.GetDetectedControl(), nullptr);
    EXPECT_EQ(detector_.GetControlText(), "");
    detector_.OnTimer2(); // not running: ignored
    EXPECT_EQ(detector_.GetTimer(), Timer::kFirst);

    stick_->getControl(1)->SetDescription("");
    stick_->next[1] = 0.8;
    Tick();
    EXPECT_EQ(detector_.GetTimer(), Timer::kNone);
    EXPECT_EQ(detector_.GetDetectedControl(), stick_->getControl(1));
    EXPECT_EQ(detector_.GetMessage(), "Use this control?");
    EXPECT_EQ(detector_.GetControlText(), "[NONE]") << "the control has no description";
    EXPECT_EQ(stick_->getControl(1)->GetCurrent(), 0.0) << "values cleared after detection";

    ASSERT_TRUE(detector_.Accept());
    EXPECT_EQ(channel_.getControl(), stick_->getControl(1));
    EXPECT_EQ(channel_.GetMultiplier(), 1.0) << "moved toward positive: stays positive";
}

TEST_F(BindingDetectorTest, TheWayTheControlMovedBecomesTheChannelsPositiveWay) {
    struct Case {
        double move;
        double multiplier;
        double expected;
    };
    for (const Case& c :
         {Case{-0.9, 1.5, -1.5}, Case{-0.9, -1.5, -1.5}, Case{0.9, -1.5, 1.5}, Case{0.9, 1.5, 1.5}}) {
        channel_.SetMultiplier(c.multiplier);
        stick_->next[0] = 0.0;
        detector_.Start();
        stick_->next[0] = c.move;
        Tick();
        EXPECT_EQ(detector_.GetDirection(), c.move > 0);
        ASSERT_TRUE(detector_.Accept());
        EXPECT_EQ(channel_.GetMultiplier(), c.expected) << c.move << " " << c.multiplier;
    }
}

TEST_F(BindingDetectorTest, RetryIgnoresTheControlDetectedLast) {
    detector_.Start();
    stick_->next = {0.9, 0.0};
    Tick();
    ASSERT_EQ(detector_.GetFirstControl(), stick_->getControl(0));

    detector_.Retry();
    EXPECT_EQ(detector_.GetDetectedControl(), nullptr);
    EXPECT_EQ(detector_.GetExcluded(), std::vector<Control*>{stick_->getControl(0)});
    stick_->next = {-0.9, 0.5}; // axis 0 moves further but is excluded now
    Tick();
    EXPECT_EQ(detector_.GetDetectedControl(), stick_->getControl(1));

    detector_.Start();
    EXPECT_TRUE(detector_.GetExcluded().empty()) << "a fresh start forgets the excluded controls";
}

TEST_F(BindingDetectorTest, NoRespondingDeviceBindsNothing) {
    stick_->resyncs = false;
    buttons_->resyncs = false;
    channel_.SetControl(buttons_->getControl(0));
    detector_.Start();
    EXPECT_EQ(detector_.GetMessage(), "No device detected");
    EXPECT_EQ(detector_.GetTimer(), Timer::kNone);
    EXPECT_FALSE(detector_.Accept());
    EXPECT_EQ(channel_.getControl(), buttons_->getControl(0)) << "left as it was";
}

TEST_F(BindingDetectorTest, TheWindowDriverGetsItsFormerWindowBackWhenTheDialogCloses) {
    const auto former = reinterpret_cast<BindingDetector::HWND>(0x77);
    windriver_->SetWindow(former);
    detector_.Start();
    EXPECT_EQ(windriver_->GetWindow(), dialog_);
    detector_.Retry();
    stick_->next[0] = 0.9;
    Tick();
    ASSERT_TRUE(detector_.Accept());
    EXPECT_EQ(windriver_->GetWindow(), former) << "accepted";

    windriver_->SetWindow(nullptr);
    detector_.Start();
    detector_.Cancel();
    EXPECT_EQ(windriver_->GetWindow(), nullptr) << "cancelled";

    stick_->resyncs = buttons_->resyncs = false;
    {
        BindingDetector closing(channel_, reinterpret_cast<BindingDetector::HWND>(0x99), registry_);
        closing.Start();
        EXPECT_EQ(closing.GetMessage(), "No device detected");
        EXPECT_EQ(windriver_->GetWindow(), reinterpret_cast<BindingDetector::HWND>(0x99));
    }
    EXPECT_EQ(windriver_->GetWindow(), nullptr) << "closed without either";
}

// The keyboard and the emulator as the core creates them, keys coming through the thread's hook.
class KeyboardBindingTest : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        CreateDevices();
        channels_.AddProperty("Forw/Backw Transl",
                              new Property("Forw/Backw Transl", kTrinaryControl | kFiniteControl));
    }
    // The devices of one run of the plug-in.
    void CreateDevices() {
        new DummyDriver;
        new WinDriver;
        keyboard_ = new WINHOOK_KeyboardDevice;
        new EmulatedTrinaryDevice;
    }
    static void Key(int code, bool down) {
        win32::DispatchKeyboardEvent(code, win32::MakeKeyData(down, false));
    }

    WINHOOK_KeyboardDevice* keyboard_ = nullptr;
    PropertyHandler channels_;
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
        Property& channel = *channels_.GetProperty(0);
        BindingDetector detector(channel, nullptr, registry_);
        detector.Start();
        ASSERT_TRUE(keyboard_->IsHooked());
        detector.OnTimer1();
        EXPECT_EQ(detector.GetTimer(), Timer::kFirst) << "no key yet";

        Key(c.positive, true);
        detector.OnTimer1();
        EXPECT_EQ(detector.GetFirstControl(), keyboard_->GetKey(c.positive));
        EXPECT_EQ(detector.GetMessage(), "Please press or move another control");
        Key(c.positive, false); // the first key itself is ignored now
        detector.OnTimer2();
        EXPECT_EQ(detector.GetTimer(), Timer::kSecond);
        Key(c.negative, true);
        Key(c.negative, false);
        detector.OnTimer2();
        EXPECT_EQ(detector.GetSecondControl(), keyboard_->GetKey(c.negative));
        EXPECT_EQ(detector.GetMessage(), "Use this control?");
        EXPECT_EQ(detector.GetControlText(), c.text);
        ASSERT_TRUE(detector.Accept());
        EXPECT_FALSE(keyboard_->IsHooked()) << "devices stopped";
        EXPECT_EQ(channel.getControl(), detector.GetDetectedControl());
        EXPECT_EQ(channel.GetMultiplier(), 1.0);

        // While input runs, the first key drives the channel to +1, the second to -1, both to 0.
        registry_.startAll();
        Key(c.positive, true);
        EXPECT_EQ(channel.getValue(), 1.0);
        Key(c.negative, true);
        EXPECT_EQ(channel.getValue(), 0.0);
        Key(c.positive, false);
        EXPECT_EQ(channel.getValue(), -1.0);
        Key(c.negative, false);
        registry_.stopAll();

        // The binding is stored with both keys and found again from the profile, in this run and in
        // the next one.
        const util::xml::Element saved = InputProfile::Save(channels_, "Keys");
        channel.SetControl(nullptr);
        std::string name;
        EXPECT_EQ(InputProfile::Load(channels_, saved, name), 0);
        EXPECT_EQ(channel.getControl(), detector.GetDetectedControl());

        registry_.Shutdown();
        CreateDevices();
        EXPECT_EQ(InputProfile::Load(channels_, saved, name), 0);
        ASSERT_NE(channel.getControl(), nullptr);
        EXPECT_EQ(channel.getControl()->getDescription(), c.text);
        registry_.startAll();
        Key(c.negative, true);
        EXPECT_EQ(channel.getValue(), -1.0);
        Key(c.negative, false);
        registry_.stopAll();
    }
}

} // namespace
} // namespace vex::unidevice::test
