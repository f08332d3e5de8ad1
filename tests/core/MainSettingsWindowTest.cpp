#include "core/MainSettingsWindow.h"

#include "core/CoreStartup.h"
#include "core/LayoutSlot.h"
#include "core/MainConfigSettings.h"
#include "core/configadaptor/MainConfig.h"
#include "platform/win32/Files.h"
#include "platform/win32/MessageBox.h"
#include "system/adaptors/memory/MemoryAdaptor.h"
#include "tests/core/CoreTestSupport.h"
#include "tests/core/WindowInput.h"
#include "tests/support/WidgetApplication.h"
#include "tests/support/WindowReview.h"
#include "util/AtomicFile.h"
#include "util/AtomicWriteHook.h"

#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace vex::orb::core::test {
namespace {

using configadaptor::element::MainConfig;

// The memory host with settings of its own, remembering what it was told.
class Host : public adaptor::memory::MemoryAdaptor {
public:
    Host() : MemoryAdaptor(25.0) {}
    void getHostSettings(util::ReturnValue<util::xml::Element>& out) override { out.set(settings); }
    void setHostSettings(const util::xml::Element& changed) override { received.push_back(changed); }

    util::xml::Element settings{util::xml::Element::Kind::Tag, "hostsettings"};
    std::vector<util::xml::Element> received;
};

// The text of item `index` of host settings.
std::string ItemText(const util::xml::Element& settings, size_t index) {
    const util::xml::Element* item = settings.GetChild("item", index);
    return item != nullptr ? item->GetText() : "(none)";
}

class MainSettingsWindowTest : public CoreTest {
protected:
    void SetUp() override {
        if (vex::test::WidgetApplication() == nullptr) GTEST_SKIP() << "an application without widgets runs";
        StartCore();
    }
    void StartCore() {
        CoreTest::SetUp();
        host_ = std::make_unique<Host>();
        core_ = FindCore();
        ASSERT_NE(core_, nullptr);
        settings_ = &core_->GetSettings();
        ASSERT_FALSE(settings_->path.empty());
        window_ = std::make_unique<MainSettingsWindow>(*settings_);
    }
    void TearDown() override {
        if (host_ == nullptr) return;
        window_.reset();
        host_.reset();
        CoreTest::TearDown();
    }

    // Host settings of every kind, and one of a kind the window does not show.
    void OfferHostSettings() {
        ASSERT_EQ(
            host_->settings.Parse("<hostsettings label=\"Memory host\">"
                                  "<item label=\"Fast playback\" type=\"bool\">0</item>"
                                  "<item label=\"Cache size (MB)\" type=\"int\" min=\"1\" max=\"64\">8</item>"
                                  "<item label=\"Gamma\" type=\"double\" min=\"0.5\" max=\"3\" "
                                  "step=\"0.1\">2.2</item>"
                                  "<item label=\"Tint\" type=\"colour\">1 0 0</item>"
                                  "<item label=\"Scene name\" type=\"text\">demo</item>"
                                  "</hostsettings>"),
            util::xml::kOk);
    }

    template <typename T>
    T* Widget(int32_t id) {
        return WidgetAs<T>(window_->GetRoot()->FindById(id));
    }
    // The host settings group's widgets of the Qt class `T`, in layout order.
    template <typename T>
    QList<T*> HostWidgets() {
        return gui::qt::AsWidget(window_->GetRoot()->FindById(MainConfig::kHostSlot))->findChildren<T*>();
    }
    // The settings file as another start of the core reads it.
    MainConfigSettings ReadBack() const {
        MainConfigSettings read;
        read.Load(settings_->path);
        return read;
    }

    std::unique_ptr<Host> host_;
    CoreImplementation* core_ = nullptr;
    MainConfigSettings* settings_ = nullptr;
    std::unique_ptr<MainSettingsWindow> window_;
};

TEST_F(MainSettingsWindowTest, OkSavesTheChangedCountDownAndAppliesSilentMode) {
    settings_->countdown = 2;
    settings_->alwaysOnTop = true;
    window_->Open();
    ASSERT_TRUE(window_->IsOpen());
    QDoubleSpinBox* countdown = Widget<QDoubleSpinBox>(MainConfigSettings::kCountdownId);
    ASSERT_NE(countdown, nullptr);
    EXPECT_DOUBLE_EQ(countdown->value(), 2.0); // the setting, not the layout's default
    EXPECT_DOUBLE_EQ(countdown->minimum(), 0.0);
    EXPECT_DOUBLE_EQ(countdown->maximum(), 9.0);
    EXPECT_TRUE(Widget<QCheckBox>(MainConfigSettings::kAlwaysOnTopId)->isChecked());
    EXPECT_TRUE(window_->GetWidget()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const size_t undoSteps = host_->GetUndoLabels().size();

    TypeIntoSpinner(*countdown, "7");
    EXPECT_EQ(settings_->countdown, 7);
    ClickCheckBox(*Widget<QCheckBox>(MainConfigSettings::kSilentId));
    EXPECT_TRUE(settings_->silent);
    EXPECT_FALSE(platform::win32::IsMessageBoxSilent()); // only once accepted
    QTest::mouseClick(Widget<QPushButton>(MainSettingsWindow::kOkButton), Qt::LeftButton);

    EXPECT_FALSE(window_->IsOpen());
    EXPECT_FALSE(window_->GetWidget()->isVisible());
    EXPECT_TRUE(platform::win32::IsMessageBoxSilent());
    const MainConfigSettings read = ReadBack();
    EXPECT_EQ(read.countdown, 7);
    EXPECT_TRUE(read.silent);
    EXPECT_TRUE(read.alwaysOnTop);
    // Settings are not part of the scene: no host undo step.
    EXPECT_EQ(host_->GetUndoLabels().size(), undoSteps);

    // Opened again, the window shows what was saved.
    window_->Open();
    EXPECT_DOUBLE_EQ(Widget<QDoubleSpinBox>(MainConfigSettings::kCountdownId)->value(), 7.0);
    EXPECT_TRUE(Widget<QCheckBox>(MainConfigSettings::kSilentId)->isChecked());
}

TEST_F(MainSettingsWindowTest, CancelAndClosingPutBackTheValuesTheWindowOpenedWith) {
    settings_->countdown = 4;
    window_->Open();
    TypeIntoSpinner(*Widget<QDoubleSpinBox>(MainConfigSettings::kCountdownId), "9");
    ClickCheckBox(*Widget<QCheckBox>(MainConfigSettings::kAlwaysOnTopId));
    ClickCheckBox(*Widget<QCheckBox>(MainConfigSettings::kSilentId));
    EXPECT_EQ(settings_->countdown, 9);
    EXPECT_FALSE(settings_->alwaysOnTop);
    QTest::mouseClick(Widget<QPushButton>(MainSettingsWindow::kCancelButton), Qt::LeftButton);

    EXPECT_FALSE(window_->IsOpen());
    EXPECT_EQ(settings_->countdown, 4);
    EXPECT_TRUE(settings_->alwaysOnTop);
    EXPECT_FALSE(settings_->silent);
    EXPECT_FALSE(platform::win32::IsMessageBoxSilent());
    EXPECT_FALSE(std::filesystem::exists(platform::win32::ToNativePath(settings_->path)));

    window_->Open();
    TypeIntoSpinner(*Widget<QDoubleSpinBox>(MainConfigSettings::kCountdownId), "1");
    window_->GetWidget()->close();
    EXPECT_FALSE(window_->IsOpen());
    EXPECT_EQ(settings_->countdown, 4);
}

TEST_F(MainSettingsWindowTest, TheHostsOwnSettingsAreShownAndGoBackToTheHost) {
    OfferHostSettings();
    // The layout of the window: the main settings from the file, the host's group in its slot.
    {
        MainConfig config(*settings_, host_.get());
        util::xml::Element layout = config.buildLayout();
        util::xml::Element* countdown = FindLayoutElement(layout, MainConfigSettings::kCountdownId);
        ASSERT_NE(countdown, nullptr);
        EXPECT_EQ(countdown->GetAttribute("defaultvalue"), "3");
        const util::xml::Element* slot = FindLayoutElement(layout, MainConfig::kHostSlot);
        ASSERT_NE(slot, nullptr);
        ASSERT_NE(slot->GetChild("group"), nullptr);
    }

    window_->Open();
    const QList<QCheckBox*> boxes = HostWidgets<QCheckBox>();
    const QList<QDoubleSpinBox*> spinners = HostWidgets<QDoubleSpinBox>();
    const QList<QLineEdit*> fields = HostWidgets<QLineEdit>();
    ASSERT_EQ(boxes.size(), 1);
    ASSERT_EQ(spinners.size(), 2);
    ASSERT_EQ(fields.size() - spinners.size(), 1); // spinners have a line edit of their own
    EXPECT_EQ(boxes[0]->text(), "Fast playback");
    EXPECT_DOUBLE_EQ(spinners[0]->value(), 8.0);
    EXPECT_DOUBLE_EQ(spinners[0]->maximum(), 64.0);
    EXPECT_DOUBLE_EQ(spinners[1]->value(), 2.2);
    bool titled = false;
    for (const QLabel* label : HostWidgets<QLabel>()) titled = titled || label->text() == "Memory host";
    EXPECT_TRUE(titled);

    ClickCheckBox(*boxes[0]);
    TypeIntoSpinner(*spinners[0], "16");
    ASSERT_EQ(host_->received.size(), 2u);
    const util::xml::Element& sent = host_->received.back();
    EXPECT_EQ(ItemText(sent, 0), "1");
    EXPECT_EQ(ItemText(sent, 1), "16");
    EXPECT_EQ(ItemText(sent, 2), "2.2");
    EXPECT_EQ(ItemText(sent, 3), "1 0 0"); // not shown, handed back as it came
    EXPECT_EQ(ItemText(sent, 4), "demo");
    EXPECT_EQ(sent.GetChild("item", 1)->GetAttribute("max"), "64");

    QTest::mouseClick(Widget<QPushButton>(MainSettingsWindow::kCancelButton), Qt::LeftButton);
    ASSERT_EQ(host_->received.size(), 3u);
    EXPECT_EQ(host_->received.back(), host_->settings);
}

// Without a widget application the window keeps its state. (Only meaningful in a process of its own,
// as the test runner starts each test.)
class HeadlessMainSettingsWindowTest : public MainSettingsWindowTest {
protected:
    void SetUp() override {
        if (QCoreApplication::instance() != nullptr)
            GTEST_SKIP() << "this process runs an application already";
        StartCore();
    }
};

TEST_F(HeadlessMainSettingsWindowTest, OpensWithoutWidgetsAndKeepsItsState) {
    settings_->countdown = 3;
    window_->Open();
    ASSERT_TRUE(window_->IsOpen());
    EXPECT_EQ(window_->GetWidget(), nullptr);
    configadaptor::Node* countdown =
        window_->GetConfig()->GetMainSettings().FindById(MainConfigSettings::kCountdownId);
    ASSERT_NE(countdown, nullptr);
    window_->GetConfig()->store(*countdown, 8, "");
    EXPECT_EQ(settings_->countdown, 8);
    window_->Cancel();
    EXPECT_EQ(settings_->countdown, 3);

    window_->Open();
    window_->GetConfig()->store(
        *window_->GetConfig()->GetMainSettings().FindById(MainConfigSettings::kCountdownId), 6, "");
    EXPECT_TRUE(window_->Accept());
    EXPECT_FALSE(window_->IsOpen());
    EXPECT_EQ(ReadBack().countdown, 6);
}

TEST_F(HeadlessMainSettingsWindowTest, ADiskThatIsFullKeepsTheOldFileAndTellsTheUserWhy) {
    settings_->countdown = 3;
    ASSERT_TRUE(settings_->Save());
    std::string before;
    ASSERT_TRUE(util::ReadWholeFile(platform::win32::ToNativePath(settings_->path), before));
    util::SetAtomicWriteHook([](util::AtomicWriteStep step, std::size_t) {
        return step == util::AtomicWriteStep::kWrite ? ENOSPC : 0;
    });
    platform::win32::MessageBoxRecorder boxes;
    window_->Open();
    window_->GetConfig()->store(
        *window_->GetConfig()->GetMainSettings().FindById(MainConfigSettings::kCountdownId), 6, "");
    const bool saved = window_->Accept();
    util::SetAtomicWriteHook({});
    EXPECT_FALSE(saved);
    EXPECT_EQ(settings_->countdown, 6) << "the value stays in use for the session";
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, std::string(MainSettingsWindow::kNotSavedText) + " (cannot write " +
                                         platform::win32::ToNativePath(settings_->path) + ": " +
                                         std::strerror(ENOSPC) + ")");
    std::string now;
    ASSERT_TRUE(util::ReadWholeFile(platform::win32::ToNativePath(settings_->path), now));
    EXPECT_EQ(now, before);
}

TEST_F(MainSettingsWindowTest, MainSettingsWindowGeometry) {
    OfferHostSettings();
    window_->Open();
    QWidget* dialog = window_->GetWidget();
    ASSERT_NE(dialog, nullptr);
    vex::test::ExpectCleanWindow(*dialog, "main_settings");
}

} // namespace
} // namespace vex::orb::core::test
