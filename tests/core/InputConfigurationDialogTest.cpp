#include "core/InputConfigurationDialog.h"

#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "core/Tool.h"
#include "gui/qt/Realisation.h"
#include "system/adaptors/memory/MemoryAdaptor.h"
#include "tests/core/ToolTestSupport.h"
#include "tests/platform/dinput/VirtualJoystick.h"
#include "tests/support/WidgetApplication.h"
#include "tests/support/WindowReview.h"
#include "unidevice/Control.h"
#include "unidevice/ControlKind.h"
#include "unidevice/Device.h"
#include "unidevice/DeviceRegistry.h"
#include "unidevice/Property.h"
#include "unidevice/driver/EmulatedTControl.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QProgressBar>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace vex::orb::core::test {
namespace {

namespace fs = std::filesystem;
using platform::dinput::test::SdlJoysticks;
using platform::dinput::test::VirtualJoystick;
using Dialog = InputConfigurationDialog;
using Page = InputDetectionPage;

// A tool with three input channels of different kinds.
class Vehicle : public FakeDescriptor {
public:
    Vehicle() : FakeDescriptor("Vehicle", "Vehicle") {}
    CCamera* create(const CCamera::CreateParam& param) override { return new Object(param); }

private:
    struct Object : CCamera {
        using CCamera::CCamera;
        int buildConfiguration() override {
            core->addInputChannel("Gas", unidevice::kFiniteControl, nullptr);
            core->addInputChannel("Steer", unidevice::kFiniteControl | unidevice::kTrinaryControl, nullptr);
            core->addInputChannel("Horn", unidevice::kBinaryControl, nullptr);
            return 0;
        }
    };
};

// The core on the memory host with a virtual stick plugged in before it starts, and the dialog open
// for an instance of the vehicle, driven with real mouse and key events.
class InputConfigurationDialogTest : public RegistryTest {
protected:
    void SetUp() override {
        if (vex::test::WidgetApplication() == nullptr)
            GTEST_SKIP() << "an application without widgets runs already";
        unidevice::DeviceRegistry::Instance().Shutdown();
        RegistryTest::SetUp();
        MakeLibrary("vehicle", {new Vehicle});
        sdl_ = std::make_unique<SdlJoysticks>();
        stick_ = std::make_unique<VirtualJoystick>("Torva Test Stick", 2, 0, 2);
        host_ = std::make_unique<adaptor::memory::MemoryAdaptor>();
        core_ = FindCore();
        ASSERT_NE(core_, nullptr);
        instance_ = core_->FindInstance(core_->CreateTool("Vehicle"));
        ASSERT_NE(instance_, nullptr);
        device_ = unidevice::DeviceRegistry::Instance().findDevice("Torva Test Stick", 0);
        ASSERT_NE(device_, nullptr) << "the virtual stick is enumerated at start-up";
        dialog_ = std::make_unique<Dialog>();
        dialog_->Open(*instance_);
        ASSERT_NE(dialog_->GetWidget(), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog_->GetWidget()));
    }
    void TearDown() override {
        dialog_.reset();
        host_.reset();
        stick_.reset();
        sdl_.reset();
        RegistryTest::TearDown();
        unidevice::DeviceRegistry::Instance().Shutdown();
    }

    template <typename T>
    static T* Widget(LayoutWindow& window, int32_t id) {
        gui::Component* component = window.GetRoot() != nullptr ? window.GetRoot()->FindById(id) : nullptr;
        return dynamic_cast<T*>(gui::qt::AsWidget(component));
    }
    template <typename T>
    T* Widget(int32_t id) {
        return Widget<T>(*dialog_, id);
    }
    unidevice::Property& Channel(const char* name) { return *instance_->findInputChannel(name); }
    unidevice::Control* Axis(int index) {
        for (int i = 0; i < device_->getControlCount(); ++i) {
            unidevice::Control* control = device_->getControl(i);
            if (control->GetType() == "Axis" && control->GetIndex() == index) return control;
        }
        return nullptr;
    }
    // Clicks the middle of `widget`, as the user does.
    static void Click(QWidget* widget) {
        ASSERT_NE(widget, nullptr);
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    }
    // Clicks the entry `row` of the channel list.
    void ClickChannel(int row) {
        auto* list = Widget<QListWidget>(Dialog::kChannelList);
        ASSERT_NE(list, nullptr);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualItemRect(list->item(row)).center());
    }
    // Makes `text` the current entry of the combo box `id` with the keys of the list's first and
    // next entries, as a user without a mouse does.
    void Choose(int32_t id, const std::string& text) {
        auto* box = Widget<QComboBox>(id);
        ASSERT_NE(box, nullptr);
        const int wanted = box->findText(QString::fromStdString(text));
        ASSERT_GE(wanted, 0) << text << " is not offered";
        QTest::keyClick(box, Qt::Key_Home);
        for (int i = 0; i < wanted; ++i) QTest::keyClick(box, Qt::Key_Down);
        ASSERT_EQ(box->currentIndex(), wanted);
    }
    // Runs the detection page's running timer until it stops, at most `ticks` times.
    void Tick(int ticks = 5) {
        Page& page = dialog_->GetDetectionPage();
        for (int i = 0; i < ticks && page.GetDetector() != nullptr; ++i) {
            const auto timer = page.GetDetector()->GetTimer();
            if (timer == unidevice::BindingDetector::Timer::kNone) return;
            page.OnTimer(timer == unidevice::BindingDetector::Timer::kFirst ? Page::kFirstTimer
                                                                            : Page::kSecondTimer,
                         0);
        }
    }
    std::string Text(int32_t id) { return Widget<QComboBox>(id)->currentText().toStdString(); }

    std::unique_ptr<SdlJoysticks> sdl_;
    std::unique_ptr<VirtualJoystick> stick_;
    std::unique_ptr<adaptor::memory::MemoryAdaptor> host_;
    CoreImplementation* core_ = nullptr;
    Instance* instance_ = nullptr;
    unidevice::Device* device_ = nullptr;
    std::unique_ptr<Dialog> dialog_;
};

TEST_F(InputConfigurationDialogTest, TypingInASpinnerChangesTheSelectedChannelAtOnce) {
    EXPECT_TRUE(dialog_->IsOpen());
    EXPECT_EQ(dialog_->GetInstance(), instance_);
    auto* list = Widget<QListWidget>(Dialog::kChannelList);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(1)->text(), "Steer");
    EXPECT_EQ(list->currentRow(), 0);

    ClickChannel(1);
    EXPECT_EQ(dialog_->GetSelectedIndex(), 1);
    auto* multiplier = Widget<QDoubleSpinBox>(Dialog::kMultiplierSpinner);
    ASSERT_NE(multiplier, nullptr);
    EXPECT_DOUBLE_EQ(multiplier->value(), 1.0);
    multiplier->setLocale(QLocale::c()); // the keys typed below write a point
    QTest::keyClick(multiplier, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(multiplier, "-2.5");
    QTest::keyClick(multiplier, Qt::Key_Return);
    EXPECT_DOUBLE_EQ(Channel("Steer").GetMultiplier(), -2.5);
    EXPECT_DOUBLE_EQ(Channel("Gas").GetMultiplier(), 1.0) << "only the selected channel";

    // The step keys too, and the other spinners show the channel selected.
    auto* deadzone = Widget<QDoubleSpinBox>(Dialog::kDeadzoneSpinner);
    ASSERT_NE(deadzone, nullptr);
    QTest::keyClick(deadzone, Qt::Key_Up);
    EXPECT_NEAR(Channel("Steer").GetDeadzone(), 0.11, 1e-9);
    ClickChannel(0);
    EXPECT_DOUBLE_EQ(multiplier->value(), 1.0);
    EXPECT_NEAR(deadzone->value(), 0.1, 1e-9);
    ClickChannel(1);
    EXPECT_DOUBLE_EQ(multiplier->value(), -2.5);
}

TEST_F(InputConfigurationDialogTest, MovingAnAxisInTheDetectionPageBindsItAndTheDialogShowsIt) {
    ClickChannel(1);
    Click(Widget<QAbstractButton>(Dialog::kDetectButton));
    Page& page = dialog_->GetDetectionPage();
    ASSERT_TRUE(page.IsOpen());
    ASSERT_NE(page.GetWidget(), nullptr);
    EXPECT_TRUE(page.GetWidget()->isVisible());
    EXPECT_TRUE(page.HasTimer(Page::kFirstTimer));
    EXPECT_EQ(Widget<QLabel>(page, Page::kMessageLabel)->text().toStdString(),
              unidevice::BindingDetector::kFirstControlMessage);
    auto* accept = Widget<QAbstractButton>(page, Page::kAcceptButton);
    ASSERT_NE(accept, nullptr);
    EXPECT_FALSE(accept->isEnabled()) << "nothing to use yet";

    Tick(3);
    EXPECT_TRUE(page.HasTimer(Page::kFirstTimer)) << "nothing moved: still waiting";
    stick_->SetAxis(1, -30000); // pulled toward negative values
    Tick();
    EXPECT_FALSE(page.HasTimer(Page::kFirstTimer));
    EXPECT_EQ(page.GetMessage(), "Use this control?");
    ASSERT_NE(Axis(1), nullptr);
    EXPECT_EQ(Widget<QLabel>(page, Page::kControlLabel)->text().toStdString(), Axis(1)->getDescription());
    EXPECT_TRUE(accept->isEnabled());

    Click(accept);
    EXPECT_FALSE(page.IsOpen());
    EXPECT_FALSE(page.GetWidget()->isVisible());
    EXPECT_EQ(Channel("Steer").getControl(), Axis(1));
    EXPECT_LT(Channel("Steer").GetMultiplier(), 0.0) << "pulled toward negative: the channel is turned";
    EXPECT_EQ(Text(Dialog::kDeviceBox), "Torva Test Stick");
    EXPECT_EQ(Text(Dialog::kControlBox), Axis(1)->getDescription());
    EXPECT_EQ(dialog_->GetBindingText(), "Torva Test Stick:" + Axis(1)->getDescription());
    EXPECT_DOUBLE_EQ(Widget<QDoubleSpinBox>(Dialog::kMultiplierSpinner)->value(), -1.0);

    // The live value follows the stick while the dialog is open.
    stick_->SetAxis(1, 32767);
    dialog_->OnTimer(Dialog::kPollTimer, 0);
    EXPECT_DOUBLE_EQ(dialog_->GetControlValue(), 1.0);
    EXPECT_DOUBLE_EQ(dialog_->GetChannelValue(), -1.0);
    EXPECT_EQ(Widget<QProgressBar>(Dialog::kControlBar)->value(), Dialog::kBarSteps);
    EXPECT_EQ(Widget<QProgressBar>(Dialog::kChannelBar)->value(), 0);
    EXPECT_EQ(Widget<QProgressBar>(Dialog::kChannelBar)->format().toStdString(), "-1.00");
    // Every channel has its bar of the bound control's value.
    auto* steer = Widget<QProgressBar>(Dialog::kLiveBarBase + 1);
    ASSERT_NE(steer, nullptr);
    EXPECT_TRUE(steer->isVisible());
    EXPECT_EQ(steer->value(), Dialog::kBarSteps);
    EXPECT_EQ(steer->format().toStdString(), "Steer: 1.00");
    ASSERT_NE(Widget<QProgressBar>(Dialog::kLiveBarBase + 0), nullptr);
    EXPECT_EQ(Widget<QProgressBar>(Dialog::kLiveBarBase + 0)->format().toStdString(), "Gas: unbound");
    EXPECT_EQ(Widget<QProgressBar>(Dialog::kLiveBarBase + 3), nullptr) << "three channels, three bars";
}

TEST_F(InputConfigurationDialogTest, TwoKeysMakeAnEmulatedControlAndCancelBindsNothing) {
    ClickChannel(1);
    dialog_->OpenDetection();
    Page& page = dialog_->GetDetectionPage();
    QWindow* window = page.GetWidget()->windowHandle();
    ASSERT_NE(window, nullptr);
    QTest::keyClick(window, Qt::Key_I);
    Tick();
    EXPECT_EQ(page.GetMessage(), unidevice::BindingDetector::kSecondControlMessage);
    EXPECT_TRUE(page.HasTimer(Page::kSecondTimer));
    QTest::keyClick(window, Qt::Key_K);
    Tick();
    EXPECT_EQ(page.GetControlText(), "emulated control (Keyboard:I, Keyboard:K)");
    Click(Widget<QAbstractButton>(page, Page::kAcceptButton));

    const auto* emulated = dynamic_cast<unidevice::EmulatedTControl*>(Channel("Steer").getControl());
    ASSERT_NE(emulated, nullptr);
    EXPECT_EQ(Text(Dialog::kDeviceBox), "TrinaryEmulator");
    EXPECT_EQ(Text(Dialog::kPositiveBox), "Keyboard:I");
    EXPECT_EQ(Text(Dialog::kNegativeBox), "Keyboard:K");
    EXPECT_TRUE(Widget<QComboBox>(Dialog::kPositiveBox)->isEnabled());

    // Choosing another negative key makes (or finds) another emulated control.
    Choose(Dialog::kNegativeBox, "Keyboard:J");
    const auto* changed = dynamic_cast<unidevice::EmulatedTControl*>(Channel("Steer").getControl());
    ASSERT_NE(changed, nullptr);
    EXPECT_EQ(changed->getDescription(), "emulated control (Keyboard:I, Keyboard:J)");

    // Cancel leaves the binding as it was.
    dialog_->OpenDetection();
    QTest::keyClick(window, Qt::Key_L);
    Tick();
    Click(Widget<QAbstractButton>(page, Page::kCancelButton));
    EXPECT_FALSE(page.IsOpen());
    EXPECT_EQ(Channel("Steer").getControl(), changed);
}

TEST_F(InputConfigurationDialogTest, NoneUnbindsFromTheControlListAndFromTheDeviceList) {
    ClickChannel(0);
    Choose(Dialog::kDeviceBox, "Torva Test Stick");
    EXPECT_EQ(Channel("Gas").getControl(), nullptr) << "a device alone binds nothing";
    ASSERT_NE(Axis(0), nullptr);
    Choose(Dialog::kControlBox, Axis(0)->getDescription());
    EXPECT_EQ(Channel("Gas").getControl(), Axis(0));

    Choose(Dialog::kControlBox, "[none]");
    EXPECT_EQ(Channel("Gas").getControl(), nullptr);
    EXPECT_EQ(Text(Dialog::kDeviceBox), "Torva Test Stick") << "the device stays chosen";
    EXPECT_EQ(dialog_->GetBindingText(), "Unbound");

    Choose(Dialog::kControlBox, Axis(0)->getDescription());
    Choose(Dialog::kDeviceBox, "[none]");
    EXPECT_EQ(Channel("Gas").getControl(), nullptr);
    EXPECT_FALSE(Widget<QComboBox>(Dialog::kControlBox)->isEnabled());

    // A button on a finite channel binds, with a word of warning.
    Choose(Dialog::kDeviceBox, "Torva Test Stick");
    Choose(Dialog::kControlBox, "Button 0");
    EXPECT_NE(Channel("Gas").getControl(), nullptr);
    EXPECT_EQ(Widget<QLabel>(Dialog::kBindingLabel)->text().toStdString(), Dialog::kNoChannelKindMessage);
}

TEST_F(InputConfigurationDialogTest, ProfilesAreSavedUnderANameAndLoadedBackFromTheDialog) {
    ClickChannel(0);
    Choose(Dialog::kDeviceBox, "Torva Test Stick");
    Choose(Dialog::kControlBox, Axis(0)->getDescription());
    dialog_->SetMultiplier(-3.0);

    auto* save = Widget<QAbstractButton>(Dialog::kSaveButton);
    Click(save);
    EXPECT_EQ(Widget<QLabel>(Dialog::kProfileLabel)->text().toStdString(), Dialog::kEmptyNameMessage);
    auto* name = Widget<QLineEdit>(Dialog::kProfileNameBox);
    ASSERT_NE(name, nullptr);
    QTest::keyClicks(name, "Pad");
    Click(save);
    EXPECT_EQ(dialog_->GetProfileMessage(), "Saved \"Pad\".");
    EXPECT_TRUE(fs::exists(DataRoot() / "data" / "fake" / "Vehicle" / "inputprofiles" / "Pad.cip"));
    EXPECT_EQ(Text(Dialog::kProfileBox), "Pad");

    // Changed after saving, then loaded back: the dialog shows the profile's values.
    Choose(Dialog::kDeviceBox, "[none]");
    dialog_->SetMultiplier(1.0);
    ClickChannel(2);
    Click(Widget<QAbstractButton>(Dialog::kLoadButton));
    EXPECT_EQ(dialog_->GetProfileMessage(), "Loaded \"Pad\".");
    EXPECT_EQ(Channel("Gas").getControl(), Axis(0));
    EXPECT_DOUBLE_EQ(Channel("Gas").GetMultiplier(), -3.0);
    EXPECT_EQ(instance_->GetInputProfileName(), "Pad");
    EXPECT_EQ(dialog_->GetSelectedIndex(), 2) << "the selection is kept";
    ClickChannel(0);
    EXPECT_EQ(Text(Dialog::kControlBox), Axis(0)->getDescription());
    EXPECT_DOUBLE_EQ(Widget<QDoubleSpinBox>(Dialog::kMultiplierSpinner)->value(), -3.0);

    // A profile loaded elsewhere while the dialog is open is shown too.
    util::xml::Element profile;
    ASSERT_EQ(profile.Parse(R"(<profile name="Other"><property name="Gas"><multiplier>2</multiplier>)"
                            R"(<control device="Wheel" type="Axis" index="0"/></property></profile>)"),
              0);
    EXPECT_EQ(instance_->LoadInputProfile(profile), 1);
    EXPECT_EQ(Text(Dialog::kDeviceBox), "[none]");
    EXPECT_DOUBLE_EQ(Widget<QDoubleSpinBox>(Dialog::kMultiplierSpinner)->value(), 2.0);
    EXPECT_EQ(dialog_->GetBindingText(), "Not connected: Wheel Axis 0");
    // Choosing anew forgets the missing wheel: the profile saved next holds no binding for it.
    ClickChannel(0);
    Choose(Dialog::kDeviceBox, "Torva Test Stick");
    EXPECT_EQ(dialog_->GetBindingText(), "Unbound");
    instance_->WriteInputProfile(profile, "After");
    EXPECT_EQ(profile.GetChild("property", 0)->GetChild("control"), nullptr);
}

TEST_F(InputConfigurationDialogTest, OpeningForAnotherInstanceSwitchesAndDeletingTheInstanceCloses) {
    Instance* other = core_->FindInstance(core_->CreateTool("Vehicle"));
    ASSERT_NE(other, nullptr);
    dialog_->SelectChannel(2);
    dialog_->Open(*other);
    EXPECT_EQ(dialog_->GetInstance(), other);
    EXPECT_EQ(dialog_->GetSelectedIndex(), 0);
    // An instance's own outputs are no device for its channels; the other instance's are.
    auto* devices = Widget<QComboBox>(Dialog::kDeviceBox);
    const unidevice::Device* own = other;
    const unidevice::Device* first = instance_;
    EXPECT_EQ(devices->findText(QString::fromStdString(own->getName())), -1);
    EXPECT_GE(devices->findText(QString::fromStdString(first->getName())), 0);

    // The other instance's outputs shown as the chosen device, then that instance goes.
    Choose(Dialog::kDeviceBox, first->getName());
    dialog_->OpenDetection();
    ASSERT_TRUE(dialog_->GetDetectionPage().IsOpen());
    dialog_->Open(*instance_);
    EXPECT_FALSE(dialog_->GetDetectionPage().IsOpen()) << "switching ends the detection";
    Choose(Dialog::kDeviceBox, own->getName());
    dialog_->Open(*other);
    core_->DeleteInstance(instance_->GetName());
    EXPECT_TRUE(dialog_->IsOpen());
    dialog_->SelectChannel(1);
    EXPECT_EQ(Text(Dialog::kDeviceBox), "[none]");

    dialog_->OpenDetection();
    const std::string name = other->GetName();
    core_->DeleteInstance(name);
    EXPECT_FALSE(dialog_->GetDetectionPage().IsOpen());
    EXPECT_FALSE(dialog_->IsOpen());
    EXPECT_EQ(dialog_->GetInstance(), nullptr);
    EXPECT_FALSE(dialog_->GetWidget()->isVisible());
    Instance* third = core_->FindInstance(core_->CreateTool("Vehicle"));
    ASSERT_NE(third, nullptr);
    dialog_->Open(*third);
    Click(Widget<QAbstractButton>(Dialog::kCloseButton));
    EXPECT_FALSE(dialog_->IsOpen());
}

TEST_F(InputConfigurationDialogTest, BothPagesGeometry) {
    ClickChannel(1);
    dialog_->OpenDetection();
    stick_->SetAxis(0, 30000);
    Tick();
    QWidget* detect = dialog_->GetDetectionPage().GetWidget();
    ASSERT_NE(detect, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(detect));
    vex::test::ExpectCleanWindow(*detect, "input_detect");
    dialog_->GetDetectionPage().Accept();

    // The property manager with the channel bound and the stick moved.
    stick_->SetAxis(0, 16000);
    dialog_->Poll();
    QWidget* manager = dialog_->GetWidget();
    vex::test::ExpectCleanWindow(*manager, "input_dialog");
}

} // namespace
} // namespace vex::orb::core::test
