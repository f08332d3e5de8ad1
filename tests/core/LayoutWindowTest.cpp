#include "core/CoreStartup.h"
#include "core/CountDownWindow.h"
#include "core/DataPaths.h"
#include "core/Instance.h"
#include "core/ResimulationWindow.h"
#include "core/configadaptor/PageBuilder.h"
#include "gui/componentinterface/CheckBox.h"
#include "gui/componentinterface/ComboBox.h"
#include "gui/componentinterface/Label.h"
#include "gui/componentinterface/Progressbar.h"
#include "gui/componentinterface/Spinner.h"
#include "gui/qt/Realisation.h"
#include "platform/win32/Clock.h"
#include "system/adaptors/memory/MemoryAdaptor.h"
#include "tests/core/ToolTestSupport.h"
#include "tests/gui/LayoutGeometry.h"
#include "tests/support/WidgetApplication.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QProgressBar>
#include <QSet>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace vex::orb::core::test {
namespace {

namespace win32 = platform::win32;

using vex::test::WidgetApplication;

// A tool whose every step costs wall-clock time on the fake clock, so re-simulation slices end early.
class SlowObject : public CCamera {
public:
    explicit SlowObject(const CreateParam& param) : CCamera(param) {}
    void step(double) override {
        ++steps;
        if (clock != nullptr) clock->Advance(cost);
    }
    int steps = 0;
    win32::FakeClock* clock = nullptr;
    win32::DWORD cost = 0;
};

class SlowDescriptor : public FakeDescriptor {
public:
    SlowDescriptor() : FakeDescriptor("Slow", "Camera") {}
    CCamera* create(const CCamera::CreateParam& param) override { return new SlowObject(param); }
};

// The memory host with the capability query under the test's control.
class Host : public adaptor::memory::MemoryAdaptor {
public:
    Host() : MemoryAdaptor(25.0) {}
    bool CanRecordRealTime() override { return capable; }
    bool capable = true;
};

class LayoutWindowTest : public RegistryTest {
protected:
    void SetUp() override {
        if (WidgetApplication() == nullptr) GTEST_SKIP() << "an application without widgets runs already";
        RegistryTest::SetUp();
        Plugin::Register(*new Library("slow", nullptr), new SlowDescriptor());
        host_ = std::make_unique<Host>();
        core_ = FindCore();
        ASSERT_NE(core_, nullptr);
        ASSERT_EQ(core_->CreateTool("Slow"), "Slow_01");
        tool_ = dynamic_cast<SlowObject*>(core_->InstanceManager::FindInstance("Slow_01")->GetObject());
        ASSERT_NE(tool_, nullptr);
        tool_->clock = &clock_;
        host_->GetScene().SetPlaybackRange({0.0, 100.0});
        clock_.Set(1000);
    }
    void TearDown() override {
        if (host_ == nullptr) return;
        host_.reset();
        RegistryTest::TearDown();
    }

    ResimulationWindow& Window() { return *core_->GetResimulationWindow(); }
    template <typename T>
    T* Widget(LayoutWindow& window, int32_t id) {
        gui::Component* component = window.GetRoot() != nullptr ? window.GetRoot()->FindById(id) : nullptr;
        return dynamic_cast<T*>(gui::qt::AsWidget(component));
    }
    void Slice() { Window().OnTimer(ResimulationWindow::kSliceTimer, clock_.Now()); }

    win32::FakeClock clock_;
    std::unique_ptr<Host> host_;
    CoreImplementation* core_ = nullptr;
    SlowObject* tool_ = nullptr;
};

// Whether `image` shows something: more than a handful of colours, as text, frames and a bar give.
int CountColours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

TEST_F(LayoutWindowTest, AReSimulationShowsItsProgressFromZeroToOneInTheWindow) {
    tool_->cost = 100; // six frames per 500 ms slice
    ASSERT_EQ(core_->Resimulate(1.0, 2.0), 0);
    QWidget* window = Window().GetWidget();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    QProgressBar* bar = Widget<QProgressBar>(Window(), ResimulationWindow::kProgressBar);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 100);
    EXPECT_EQ(bar->value(), 0);

    std::vector<int> shown;
    while (core_->IsResimulating()) {
        Slice();
        shown.push_back(bar->value());
    }
    EXPECT_EQ(tool_->steps, 25);
    // 25 frames, six per slice: each timer event first shows where the previous slice stopped (the
    // frame it would step next), so the bar runs from 0 % to 100 %.
    EXPECT_EQ(shown, (std::vector<int>{0, 28, 52, 76, 100}));
    EXPECT_FLOAT_EQ(core_->RecordManager::GetProgress(), 1.0f);
    auto* frame =
        Window().GetRoot()->FindById<gui::componentinterface::Label>(ResimulationWindow::kFrameLabel);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetText(), "Frame 50 (25 to 50)");
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(core_->IsRecording());
}

TEST_F(LayoutWindowTest, StopEndsTheReSimulationCleanly) {
    tool_->cost = 100;
    ASSERT_EQ(core_->Resimulate(1.0, 2.0), 0);
    Slice();
    auto* stop = Widget<QAbstractButton>(Window(), ResimulationWindow::kStopButton);
    ASSERT_NE(stop, nullptr);
    EXPECT_EQ(stop->text(), "Stop");
    stop->click();

    EXPECT_FALSE(core_->IsResimulating());
    EXPECT_FALSE(core_->IsRecording());
    EXPECT_EQ(tool_->steps, 6);
    EXPECT_FALSE(Window().IsOpen());
    EXPECT_FALSE(Window().GetWidget()->isVisible());
    // The run's undo group is closed and committed; the host is back at the start.
    EXPECT_FALSE(host_->isUndoRecording());
    ASSERT_FALSE(host_->GetUndoLabels().empty());
    EXPECT_EQ(host_->GetUndoLabels().back(), "Resimulating");
    EXPECT_DOUBLE_EQ(host_->getCurrentTime(), 1.0);
    // A later timer event does nothing, and a new run starts.
    Slice();
    EXPECT_EQ(tool_->steps, 6);
    EXPECT_EQ(core_->Resimulate(1.0, 2.0), 0);
    EXPECT_TRUE(Window().GetWidget()->isVisible());
    // Closing the window stops the run too.
    Window().GetWidget()->close();
    EXPECT_FALSE(core_->IsResimulating());
    EXPECT_FALSE(host_->isUndoRecording());
}

TEST_F(LayoutWindowTest, UpdateViewportIsOfferedOnlyWhenTheHostCanFollow) {
    ASSERT_EQ(core_->Resimulate(1.0, 2.0), 0);
    auto* box = Widget<QCheckBox>(Window(), ResimulationWindow::kUpdateViewportBox);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "Update viewport");
    EXPECT_TRUE(box->isEnabled());
    EXPECT_FALSE(box->isChecked());
    box->click();
    EXPECT_TRUE(Window().GetUpdateViewport());
    Window().Stop();

    host_->capable = false;
    ASSERT_EQ(core_->Resimulate(1.0, 2.0), 0);
    EXPECT_FALSE(box->isEnabled());
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(Window().GetUpdateViewport());
    Window().SetUpdateViewport(true);
    EXPECT_FALSE(box->isChecked());
    Window().Stop();
}

TEST_F(LayoutWindowTest, TheCountDownShowsTheSecondsLeftOnTopWhenTheSettingSaysSo) {
    core_->GetSettings().countdown = 2;
    host_->setCurrentTime(1.0);
    ASSERT_EQ(core_->StartRecording(), 0);
    CountDownWindow& countdown = *core_->GetCountDownWindow();
    ASSERT_NE(countdown.GetWidget(), nullptr);
    EXPECT_TRUE(countdown.GetWidget()->isVisible());
    EXPECT_TRUE(countdown.GetWidget()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(countdown.GetWidget()->testAttribute(Qt::WA_ShowWithoutActivating));
    auto* text = countdown.GetRoot()->FindById<gui::componentinterface::Label>(CountDownWindow::kTextLabel);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->GetText(), "<font size=6><b>2</b></font> ");
    clock_.Advance(1100);
    core_->OnTimer(RecordManager::kRecordTimer, clock_.Now());
    EXPECT_EQ(text->GetText(), "<font size=6><b>1</b></font> ");
    clock_.Advance(1000);
    core_->OnTimer(RecordManager::kRecordTimer, clock_.Now());
    EXPECT_FALSE(countdown.GetWidget()->isVisible());
    core_->StopRecording();

    core_->GetSettings().alwaysOnTop = false;
    ASSERT_EQ(core_->StartRecording(), 0);
    EXPECT_TRUE(countdown.GetWidget()->isVisible());
    EXPECT_FALSE(countdown.GetWidget()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    core_->StopRecording();
    EXPECT_FALSE(countdown.GetWidget()->isVisible());
}

TEST_F(LayoutWindowTest, BothWindowsRenderTheirContent) {
    core_->GetSettings().countdown = 3;
    ASSERT_EQ(core_->StartRecording(), 0);
    QWidget* countdown = core_->GetCountDownWindow()->GetWidget();
    ASSERT_NE(countdown, nullptr);
    const QImage counting = countdown->grab().toImage();
    const std::vector<std::string> countdownProblems = gui::test::LayoutProblems(*countdown);
    core_->StopRecording();

    tool_->cost = 100;
    ASSERT_EQ(core_->Resimulate(1.0, 2.0), 0);
    Slice();
    Slice();
    const QImage progress = Window().GetWidget()->grab().toImage();
    const std::vector<std::string> progressProblems = gui::test::LayoutProblems(*Window().GetWidget());

    // Sensible sizes, and not one flat colour: the text, the image, the bar and the buttons are drawn.
    EXPECT_GE(counting.width(), 120);
    EXPECT_GE(counting.height(), 40);
    EXPECT_GT(CountColours(counting), 8);
    EXPECT_GE(progress.width(), 300);
    EXPECT_GE(progress.height(), 100);
    EXPECT_GT(CountColours(progress), 8);
    // Every row has its own place: no widget covers a sibling, a frame line or a title.
    EXPECT_TRUE(countdownProblems.empty()) << ::testing::PrintToString(countdownProblems);
    EXPECT_TRUE(progressProblems.empty()) << ::testing::PrintToString(progressProblems);
    Window().Stop();
}

} // namespace
} // namespace vex::orb::core::test

namespace vex::orb::core::test {
namespace {

TEST_F(LayoutWindowTest, CreateComponentBuildsWidgetsAndSetImagePathNamesTheCoreImages) {
    util::xml::Element description;
    ASSERT_EQ(description.Parse(R"(<list id="7"><label id="8" imagepath="[images]/torvaicon.png"/></list>)"),
              util::xml::kOk);
    std::unique_ptr<gui::Component> root(core_->CreateComponent(description));
    ASSERT_NE(root, nullptr);
    ASSERT_NE(root->FindById(8), nullptr);
    EXPECT_NE(gui::qt::AsWidget(root.get()), nullptr);
    core_->SetImagePath(root.get());
    EXPECT_EQ(root->FindById(8)->ResolvePath("[images]/torvaicon.png"),
              GetInstallPath("data") + "/core/images/torvaicon.png");

    util::xml::Element unknown;
    ASSERT_EQ(unknown.Parse("<nosuchkind/>"), util::xml::kOk);
    EXPECT_EQ(core_->CreateComponent(unknown), nullptr);
}

} // namespace
} // namespace vex::orb::core::test

namespace vex::orb::core::test {
namespace {

// A configuration page built into widgets shows each variable's current value.
TEST_F(LayoutWindowTest, ARenderedConfigurationPageShowsTheCurrentValues) {
    double speed = 2.5;
    bool on = true;
    int mode = 2;
    configadaptor::PageBuilder builder;
    builder.beginConfiguration();
    builder.beginGroup("General", "");
    builder.addSpinner("Speed", "", &speed, 0, 10, 0.5, 1, false, 0, nullptr);
    builder.addCheckBox("On", "", &on, nullptr);
    builder.addComboBox("Mode", "", {"slow", "medium", "fast"}, &mode, nullptr);
    std::unique_ptr<gui::Component> page(core_->CreateComponent(builder.GetPage()->buildLayout()));
    ASSERT_NE(page, nullptr);
    auto* spinner = page->FindById<gui::componentinterface::Spinner>(0);
    ASSERT_NE(spinner, nullptr);
    EXPECT_DOUBLE_EQ(spinner->GetValue(), 2.5);
    auto* combo = page->FindById<gui::componentinterface::ComboBox>(2);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->GetCurrentIndex(), 2);
    EXPECT_EQ(combo->GetText(), "fast");
}

} // namespace
} // namespace vex::orb::core::test
