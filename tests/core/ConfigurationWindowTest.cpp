#include "core/ConfigurationWindow.h"

#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "core/Tool.h"
#include "core/configadaptor/Root.h"
#include "gui/componentinterface/Label.h"
#include "platform/win32/MessageBox.h"
#include "system/adaptors/memory/MemoryAdaptor.h"
#include "tests/core/ToolTestSupport.h"
#include "tests/core/WindowInput.h"
#include "tests/support/WidgetApplication.h"
#include "tests/support/WindowReview.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace vex::orb::core::test {
namespace {

// A tool with a page of every kind of item: "Motion" (a spinner, an int spinner sharing the id 1
// of the groups' row lists, a check box), "Look" (a combo box, a text box, a button that resets the
// speed) and a read-out group the test disables.
class PageObject : public CCamera, public CInterface::Callback {
public:
    enum Item { kSpeed, kGears, kAutonomous, kColour, kCaption, kReset, kGauge };

    explicit PageObject(const CreateParam& param) : CCamera(param) {}
    int buildConfiguration() override {
        core->beginConfiguration();
        core->beginGroup("Motion", "How the rig moves");
        core->addSpinner("Speed", "Metres per second", &speed, 0, 100, 0.5, 10, false, 0, this);
        core->addIntSpinner("Gears", "", &gears, 1, 9, 1, 1, false, 0, this);
        core->addCheckBox("Autonomous", "", &autonomous, this);
        core->endGroup();
        core->beginGroup("Look", "");
        colours = core->addComboBox("Colour", "", {"Red", "Green", "Blue"}, &colour, this);
        core->addTextBox("Caption", "", &caption, this);
        core->addButton("Reset", "", this);
        core->endGroup();
        core->beginGroup("Read-out", "");
        core->addSpinner("Gauge", "", &gauge, 0, 1, 0.01, 1, false, 0, nullptr);
        core->endGroup();
        core->endConfiguration();
        return 0;
    }
    void onEvent(std::string name) override {
        events.push_back(name);
        if (name == "Reset") {
            speed = 0.0;
            core->refreshConfiguration();
        }
    }

    double speed = 12.5;
    int gears = 4;
    bool autonomous = false;
    int colour = 1;
    std::string caption = "rig";
    double gauge = 0.25;
    CInterface::ComboUpdater* colours = nullptr;
    std::vector<std::string> events;
};

class PageDescriptor : public FakeDescriptor {
public:
    PageDescriptor() : FakeDescriptor("Rig", "Camera") {}
    CCamera* create(const CCamera::CreateParam& param) override { return new PageObject(param); }
};

class ConfigurationWindowTest : public RegistryTest {
protected:
    void SetUp() override {
        if (vex::test::WidgetApplication() == nullptr) GTEST_SKIP() << "an application without widgets runs";
        StartWithRig();
    }
    void StartWithRig() {
        RegistryTest::SetUp();
        auto* library = new Library("rigs", nullptr);
        Plugin::Register(*library, new PageDescriptor());
        Plugin::Register(*library, new FakeDescriptor("Bare", "Camera"));
        host_ = std::make_unique<adaptor::memory::MemoryAdaptor>(25.0);
        core_ = FindCore();
        ASSERT_NE(core_, nullptr);
        ASSERT_EQ(core_->CreateTool("Rig"), "Rig_01");
        instance_ = core_->InstanceManager::FindInstance("Rig_01");
        tool_ = dynamic_cast<PageObject*>(instance_->GetObject());
        ASSERT_NE(tool_, nullptr);
        window_ = std::make_unique<ConfigurationWindow>();
    }
    void TearDown() override {
        if (host_ == nullptr) return;
        window_.reset();
        host_.reset();
        RegistryTest::TearDown();
    }

    // The widget of page item `id`, as the Qt class `T`.
    template <typename T>
    T* Item(int32_t id) {
        configadaptor::Node* element = instance_->GetPage()->FindById(id);
        return element != nullptr ? WidgetAs<T>(window_->GetElementWidgets().FindWidget(*element)) : nullptr;
    }
    // The window's own component `id`, as the Qt class `T`.
    template <typename T>
    T* Own(int32_t id) {
        return WidgetAs<T>(window_->GetRoot()->FindById(id));
    }
    size_t UndoSteps() const { return host_->GetUndoLabels().size(); }

    std::unique_ptr<adaptor::memory::MemoryAdaptor> host_;
    CoreImplementation* core_ = nullptr;
    Instance* instance_ = nullptr;
    PageObject* tool_ = nullptr;
    std::unique_ptr<ConfigurationWindow> window_;
};

TEST_F(ConfigurationWindowTest, ShowsThePageUnderTheInstanceNameWithTheToolsValues) {
    instance_->GetPage()->getChild(2)->SetEnabled(false); // the read-out group
    window_->Open(*instance_);
    ASSERT_TRUE(window_->IsOpen());
    EXPECT_EQ(window_->GetInstance(), instance_);
    QWidget* dialog = window_->GetWidget();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Rig_01");
    EXPECT_EQ(window_->GetElementWidgets().Count(), 7u);

    ASSERT_NE(Item<QDoubleSpinBox>(PageObject::kSpeed), nullptr);
    EXPECT_DOUBLE_EQ(Item<QDoubleSpinBox>(PageObject::kSpeed)->value(), 12.5);
    // Item 1 shares its id with the row lists of the groups; it still finds its spinner.
    ASSERT_NE(Item<QDoubleSpinBox>(PageObject::kGears), nullptr);
    EXPECT_DOUBLE_EQ(Item<QDoubleSpinBox>(PageObject::kGears)->value(), 4.0);
    EXPECT_TRUE(Item<QCheckBox>(PageObject::kAutonomous)->text().isEmpty()) << "its row names it once";
    EXPECT_FALSE(Item<QCheckBox>(PageObject::kAutonomous)->isChecked());
    EXPECT_EQ(Item<QComboBox>(PageObject::kColour)->currentText(), "Green");
    EXPECT_EQ(Item<QLineEdit>(PageObject::kCaption)->text(), "rig");
    EXPECT_EQ(Item<QPushButton>(PageObject::kReset)->text(), "Reset");

    // The disabled group and what it holds are greyed out; the others are not.
    EXPECT_FALSE(Item<QDoubleSpinBox>(PageObject::kGauge)->isEnabled());
    EXPECT_TRUE(Item<QDoubleSpinBox>(PageObject::kSpeed)->isEnabled());
    std::vector<bool> groupsEnabled;
    for (const QGroupBox* group : dialog->findChildren<QGroupBox*>())
        groupsEnabled.push_back(group->isEnabled());
    EXPECT_EQ(groupsEnabled, (std::vector<bool>{true, true, false}));
}

TEST_F(ConfigurationWindowTest, ASpinnerEditIsOneUndoStepThatUndoesOnTheWidgetToo) {
    window_->Open(*instance_);
    QDoubleSpinBox* speed = Item<QDoubleSpinBox>(PageObject::kSpeed);
    ASSERT_NE(speed, nullptr);
    const size_t before = UndoSteps();

    TypeIntoSpinner(*speed, speed->textFromValue(42.5));
    EXPECT_DOUBLE_EQ(tool_->speed, 42.5);
    ASSERT_EQ(UndoSteps(), before + 1);
    EXPECT_EQ(host_->GetUndoLabels().back(), "Speed");
    EXPECT_EQ(tool_->events, std::vector<std::string>{"Speed"});
    // Return again, or leaving the field, changes nothing: no further step.
    QTest::keyClick(speed, Qt::Key_Return);
    Item<QLineEdit>(PageObject::kCaption)->setFocus();
    speed->clearFocus();
    EXPECT_EQ(UndoSteps(), before + 1);

    ASSERT_TRUE(host_->undo());
    EXPECT_DOUBLE_EQ(tool_->speed, 12.5);
    EXPECT_DOUBLE_EQ(speed->value(), 12.5);
    ASSERT_TRUE(host_->redo());
    EXPECT_DOUBLE_EQ(tool_->speed, 42.5);
    EXPECT_DOUBLE_EQ(speed->value(), 42.5);

    // The whole-number spinner, whose id the groups' row lists share, edits its own variable.
    TypeIntoSpinner(*Item<QDoubleSpinBox>(PageObject::kGears), "7");
    EXPECT_EQ(tool_->gears, 7);
    EXPECT_EQ(host_->GetUndoLabels().back(), "Gears");
    EXPECT_EQ(UndoSteps(), before + 2);
}

TEST_F(ConfigurationWindowTest, CheckBoxComboBoxTextBoxAndButtonEditTheTool) {
    window_->Open(*instance_);
    const size_t before = UndoSteps();

    ClickCheckBox(*Item<QCheckBox>(PageObject::kAutonomous));
    EXPECT_TRUE(tool_->autonomous);
    EXPECT_EQ(host_->GetUndoLabels().back(), "Autonomous");

    QComboBox* colour = Item<QComboBox>(PageObject::kColour);
    QTest::keyClick(colour, Qt::Key_Down);
    EXPECT_EQ(tool_->colour, 2);
    EXPECT_EQ(host_->GetUndoLabels().back(), "Colour");

    QLineEdit* caption = Item<QLineEdit>(PageObject::kCaption);
    caption->selectAll();
    QTest::keyClicks(caption, "bus");
    QTest::keyClick(caption, Qt::Key_Return);
    EXPECT_EQ(tool_->caption, "bus");
    EXPECT_EQ(host_->GetUndoLabels().back(), "Caption");

    // The button's callback resets the speed and has the page shown again.
    QTest::mouseClick(Item<QPushButton>(PageObject::kReset), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(tool_->speed, 0.0);
    EXPECT_DOUBLE_EQ(Item<QDoubleSpinBox>(PageObject::kSpeed)->value(), 0.0);
    EXPECT_EQ(host_->GetUndoLabels().back(), "Reset");
    EXPECT_EQ(UndoSteps(), before + 4);
    EXPECT_EQ(tool_->events, (std::vector<std::string>{"Autonomous", "Colour", "Caption", "Reset"}));

    ASSERT_TRUE(host_->undo()); // the reset
    ASSERT_TRUE(host_->undo()); // the caption
    EXPECT_EQ(caption->text(), "rig");
    ASSERT_TRUE(host_->undo()); // the colour
    EXPECT_EQ(colour->currentIndex(), 1);
    ASSERT_TRUE(host_->undo()); // the check box
    EXPECT_FALSE(Item<QCheckBox>(PageObject::kAutonomous)->isChecked());
    EXPECT_EQ(tool_->events.size(), 4u); // showing the old values is not an edit
}

TEST_F(ConfigurationWindowTest, AValueTheToolChangesUpdatesOnlyItsWidget) {
    window_->Open(*instance_);
    std::vector<QWidget*> widgets;
    for (int32_t id = PageObject::kSpeed; id <= PageObject::kGauge; ++id)
        widgets.push_back(Item<QWidget>(id));
    const size_t before = UndoSteps();

    tool_->gauge = 0.75;
    tool_->speed = 33.0; // changed without telling the page
    instance_->GetPage()->FindById(PageObject::kGauge)->valueChanged();
    EXPECT_DOUBLE_EQ(Item<QDoubleSpinBox>(PageObject::kGauge)->value(), 0.75);
    EXPECT_DOUBLE_EQ(Item<QDoubleSpinBox>(PageObject::kSpeed)->value(), 12.5);

    tool_->colours->update({"Cyan", "Magenta"});
    QComboBox* colour = Item<QComboBox>(PageObject::kColour);
    ASSERT_EQ(colour->count(), 2);
    EXPECT_EQ(colour->currentText(), "Magenta");

    instance_->refreshConfiguration();
    EXPECT_DOUBLE_EQ(Item<QDoubleSpinBox>(PageObject::kSpeed)->value(), 33.0);
    // Nothing was rebuilt, and showing the tool's values made no edit.
    for (int32_t id = PageObject::kSpeed; id <= PageObject::kGauge; ++id)
        EXPECT_EQ(Item<QWidget>(id), widgets[static_cast<size_t>(id)]) << id;
    EXPECT_EQ(UndoSteps(), before);
    EXPECT_TRUE(tool_->events.empty());
}

TEST_F(ConfigurationWindowTest, ProfilesAreSavedAndLoadedFromTheWindow) {
    platform::win32::MessageBoxRecorder boxes;
    window_->Open(*instance_);
    QLineEdit* name = Own<QLineEdit>(ConfigurationWindow::kNameBox);
    QPushButton* save = Own<QPushButton>(ConfigurationWindow::kSaveButton);
    QComboBox* profiles = Own<QComboBox>(ConfigurationWindow::kProfileBox);
    ConfigProfileManager& manager = instance_->GetTool().GetConfigProfileManager();

    // No name: refused with a message.
    QTest::keyClicks(name, "  ");
    QTest::mouseClick(save, Qt::LeftButton);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, ConfigurationWindow::kNoNameText);
    EXPECT_EQ(manager.ListProfiles().size(), static_cast<size_t>(profiles->count()));

    tool_->speed = 60.0;
    name->clear();
    QTest::keyClicks(name, "Fast");
    QTest::mouseClick(save, Qt::LeftButton);
    EXPECT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_TRUE(manager.HasProfile("Fast"));
    EXPECT_EQ(profiles->currentText(), "Fast");
    EXPECT_EQ(instance_->GetConfigProfileName(), "Fast");

    // Another value, then the saved profile loaded back: the tool and the widget have it again.
    TypeIntoSpinner(*Item<QDoubleSpinBox>(PageObject::kSpeed),
                    Item<QDoubleSpinBox>(PageObject::kSpeed)->textFromValue(5));
    ClickCheckBox(*Item<QCheckBox>(PageObject::kAutonomous));
    EXPECT_DOUBLE_EQ(tool_->speed, 5.0);
    profiles->setCurrentIndex(profiles->findText("Fast"));
    QTest::mouseClick(Own<QPushButton>(ConfigurationWindow::kLoadButton), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(tool_->speed, 60.0);
    EXPECT_FALSE(tool_->autonomous);
    EXPECT_DOUBLE_EQ(Item<QDoubleSpinBox>(PageObject::kSpeed)->value(), 60.0);
    EXPECT_FALSE(Item<QCheckBox>(PageObject::kAutonomous)->isChecked());
    EXPECT_EQ(boxes.Boxes().size(), 1u);

    EXPECT_FALSE(window_->LoadProfile("No such profile"));
    EXPECT_EQ(boxes.Boxes().size(), 2u);
}

TEST_F(ConfigurationWindowTest, SwitchesClosesAndOutlivesItsInstance) {
    ASSERT_EQ(core_->CreateTool("Bare"), "Bare_01");
    Instance* bare = core_->InstanceManager::FindInstance("Bare_01");
    window_->Open(*instance_);
    window_->Open(*bare);
    EXPECT_EQ(window_->GetInstance(), bare);
    ASSERT_NE(window_->GetWidget(), nullptr);
    EXPECT_EQ(window_->GetWidget()->windowTitle().toStdString(), "Bare_01");
    EXPECT_EQ(window_->GetElementWidgets().Count(), 0u);
    bool saysSo = false;
    for (const QLabel* label : window_->GetWidget()->findChildren<QLabel*>())
        saysSo = saysSo || label->text() == ConfigurationWindow::kNoSettingsText;
    EXPECT_TRUE(saysSo);

    QTest::mouseClick(Own<QPushButton>(ConfigurationWindow::kCloseButton), Qt::LeftButton);
    EXPECT_FALSE(window_->IsOpen());
    EXPECT_EQ(window_->GetInstance(), nullptr);
    EXPECT_FALSE(window_->GetWidget()->isVisible());

    // Closing through the window system closes too.
    window_->Open(*instance_);
    window_->GetWidget()->close();
    EXPECT_FALSE(window_->IsOpen());

    // The instance goes while the window shows it: the window closes.
    window_->Open(*instance_);
    core_->DeleteInstance("Rig_01");
    EXPECT_FALSE(window_->IsOpen());
    EXPECT_EQ(window_->GetInstance(), nullptr);
    window_->Open(*bare);
    EXPECT_TRUE(window_->GetWidget()->isVisible());
}

// A batch host runs no widget application: the window keeps its state and its profile operations.
// (Only meaningful in a process of its own, as the test runner starts each test.)
class HeadlessConfigurationWindowTest : public ConfigurationWindowTest {
protected:
    void SetUp() override {
        if (QCoreApplication::instance() != nullptr)
            GTEST_SKIP() << "this process runs an application already";
        StartWithRig();
    }
};

TEST_F(HeadlessConfigurationWindowTest, OpensWithoutWidgetsAndKeepsItsState) {
    window_->Open(*instance_);
    EXPECT_TRUE(window_->IsOpen());
    EXPECT_EQ(window_->GetInstance(), instance_);
    EXPECT_EQ(window_->GetWidget(), nullptr);
    tool_->speed = 70.0;
    EXPECT_TRUE(window_->SaveProfileAs("Batch"));
    tool_->speed = 1.0;
    EXPECT_TRUE(window_->LoadProfile("Batch"));
    EXPECT_DOUBLE_EQ(tool_->speed, 70.0);
    window_->Close();
    EXPECT_FALSE(window_->IsOpen());
    EXPECT_EQ(window_->GetInstance(), nullptr);
}

TEST_F(ConfigurationWindowTest, ConfigurationWindowGeometry) {
    window_->Open(*instance_);
    QWidget* dialog = window_->GetWidget();
    ASSERT_NE(dialog, nullptr);
    vex::test::ExpectCleanWindow(*dialog, "config_window");
}

} // namespace
} // namespace vex::orb::core::test
