#include "core/CoreStartup.h"
#include "core/CountDownWindow.h"
#include "core/Instance.h"
#include "core/InstanceReference.h"
#include "core/ResimulationWindow.h"
#include "core/ResultCodes.h"
#include "core/TimerManager.h"
#include "platform/win32/Clock.h"
#include "platform/win32/Hooks.h"
#include "platform/win32/TimerQueue.h"
#include "system/adaptors/memory/MemoryAdaptor.h"
#include "system/adaptors/memory/MemoryNode.h"
#include "tests/core/ToolTestSupport.h"
#include "tests/unidevice/TestDevices.h"
#include "unidevice/Control.h"
#include "unidevice/ControlKind.h"
#include "unidevice/DeviceRegistry.h"
#include "unidevice/Property.h"
#include "unidevice/WinDriver.h"

#include <QCoreApplication>
#include <QTimerEvent>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace vex::orb::core::test {
namespace {

namespace win32 = platform::win32;
using adaptor::memory::HostObject;
using adaptor::memory::MemoryAdaptor;
using adaptor::memory::MemoryNode;

// A tool that remembers the times it is stepped at and moves its node along X with the time. A step
// may cost wall-clock time on the fake clock.
class ProbeObject : public CCamera {
public:
    explicit ProbeObject(const CreateParam& param) : CCamera(param) {}
    int buildConfiguration() override {
        throttle = core->addInputChannel("Throttle", unidevice::kFiniteControl, nullptr);
        return 0;
    }
    int initialize() override {
        body = core->createNode("Body", nullptr, nullptr);
        return 0;
    }
    void step(double t) override {
        steps.push_back(t);
        if (throttle->getControl() != nullptr) seen.push_back(throttle->getControl()->getValue());
        util::Matrix<double> local;
        local.m[3][0] = 10.0 * t;
        core->getSnapshot(body, t)->setMatrix(local);
        if (clock != nullptr) clock->Advance(stepCost);
    }

    unidevice::Property* throttle = nullptr;
    CNode* body = nullptr;
    std::vector<double> steps;
    std::vector<double> seen;
    win32::FakeClock* clock = nullptr;
    win32::DWORD stepCost = 0;
};

class ProbeDescriptor : public FakeDescriptor {
public:
    ProbeDescriptor() : FakeDescriptor("Probe", "Camera") {}
    CCamera* create(const CCamera::CreateParam& param) override { return new ProbeObject(param); }
};

// The memory host, with the answers of undo and the slow-factor reports under the test's control.
class Host : public MemoryAdaptor {
public:
    Host() : MemoryAdaptor(25.0) {}
    void slowFactorChanged(int factor) override { factors.push_back(factor); }
    bool undo() override {
        ++undoCalls;
        return undoAnswer && MemoryAdaptor::undo();
    }
    std::vector<int> factors;
    int undoCalls = 0;
    bool undoAnswer = true;
};

class RecordManager : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        Plugin::Register(*new Library("probes", nullptr), new ProbeDescriptor());
        host_ = std::make_unique<Host>();
        core_ = FindCore();
        ASSERT_NE(core_, nullptr);
        core_->GetSettings().countdown = 0;
        ASSERT_EQ(core_->CreateTool("Probe"), "Probe_01");
        probe_ = dynamic_cast<ProbeObject*>(core_->InstanceManager::FindInstance("Probe_01")->GetObject());
        host_->GetScene().SetPlaybackRange({0.0, 100.0});
    }
    void TearDown() override {
        host_.reset();
        RegistryTest::TearDown();
    }

    // Starts a recording at `start` seconds with the fake clock at 1000 ms.
    void StartAt(double start) {
        host_->setCurrentTime(start);
        clock_.Set(1000);
        ASSERT_EQ(core_->StartRecording(), 0);
    }
    // A tick `elapsed` milliseconds after the previous one.
    void Tick(win32::DWORD elapsed) {
        clock_.Advance(elapsed);
        core_->OnTimer(core::RecordManager::kRecordTimer, clock_.Now());
    }
    core::RecordManager& Loop() { return *core_; }
    HostObject& Body() {
        return *host_->GetScene().Find(static_cast<MemoryNode*>(probe_->body)->GetObject());
    }

    win32::FakeClock clock_;
    std::unique_ptr<Host> host_;
    CoreImplementation* core_ = nullptr;
    ProbeObject* probe_ = nullptr;
};

// Records the timer events it receives.
class TimerProbe : public TimerManager {
public:
    void OnTimer(int32_t timerId, uint32_t tickCount) override { events.emplace_back(timerId, tickCount); }
    std::vector<std::pair<int32_t, uint32_t>> events;
};

TEST_F(RecordManager, TimerEventsReachTheOwnersIdAndUnknownTimersAreKilled) {
    static int argc = 1;
    static char name[] = "core_tests";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr) new QCoreApplication(argc, argv);
    clock_.Set(77);
    TimerProbe timers;
    timers.SetTimer(5, 0.0209); // 20 ms
    timers.SetTimer(9, 1.0);
    timers.SetTimer(5, 0.5); // restarted
    ASSERT_NE(timers.GetQtTimerId(5), 0);
    const int foreign = timers.startTimer(1000); // a Qt timer the map does not know

    QTimerEvent known(timers.GetQtTimerId(9));
    QCoreApplication::sendEvent(&timers, &known);
    QTimerEvent stale(foreign);
    QCoreApplication::sendEvent(&timers, &stale);
    EXPECT_EQ(timers.events, (std::vector<std::pair<int32_t, uint32_t>>{{9, 77}, {-1, 77}}));

    timers.KillTimer(9);
    EXPECT_FALSE(timers.HasTimer(9));
    EXPECT_TRUE(timers.HasTimer(5));
}

TEST_F(RecordManager, OnTheBatchClockATakeStepsEveryFrameOnceWithoutWaiting) {
    win32::TimerQueue::StartBatchClock(5000);
    host_->setCurrentTime(0.0);
    ASSERT_EQ(core_->StartRecording(), 0);
    EXPECT_EQ(Loop().GetQtTimerId(core::RecordManager::kRecordTimer), 0) << "no Qt timer on the batch clock";
    EXPECT_EQ(win32::TimerQueue::RunningTimers(), 1);
    int ticks = 0;
    while (host_->getCurrentTime() < 2.0 - 1e-9 && ticks < 1000) {
        ASSERT_TRUE(win32::TimerQueue::FireNext());
        ++ticks;
    }
    EXPECT_EQ(ticks, 50) << "one tick per frame of clock time";
    // Every frame up to the one after the current time stepped once, in order.
    ASSERT_EQ(probe_->steps.size(), 51u);
    for (size_t i = 0; i < probe_->steps.size(); ++i) EXPECT_NEAR(probe_->steps[i], (i + 1) * 0.04, 1e-9);
    EXPECT_EQ(win32::GetTickCount(), 5000u + 50 * 40);
    core_->StopRecording();
    EXPECT_EQ(win32::TimerQueue::RunningTimers(), 0) << "the stopped take holds no timer";
    EXPECT_FALSE(win32::TimerQueue::FireNext());
    win32::TimerQueue::StopBatchClock();
}

TEST_F(RecordManager, FirstStepIsTheFrameAfterTheStartAndLateTicksCatchUpThreeFramesAtATime) {
    StartAt(2.0);
    EXPECT_TRUE(probe_->steps.empty()); // the start frame is what BeginRecord set
    Tick(50);                           // clock 2.05 s: frames 51 and 52
    ASSERT_EQ(probe_->steps.size(), 2u);
    EXPECT_NEAR(probe_->steps[0], 2.04, 1e-9);
    EXPECT_NEAR(host_->getCurrentTime(), 2.05, 1e-9);

    Tick(200); // 2.25 s: five frames due, three stepped
    EXPECT_EQ(probe_->steps.size(), 5u);
    EXPECT_EQ(Loop().GetFrameIndex(), 55);
    core_->OnTimer(core::RecordManager::kRecordTimer, clock_.Now()); // the rest, at once
    EXPECT_EQ(probe_->steps.size(), 7u);
    EXPECT_NEAR(probe_->steps.back(), 57 * 0.04, 1e-9);
    EXPECT_TRUE(Loop().HasTimer(core::RecordManager::kRecordTimer));

    core_->OnTimer(7, clock_.Now()); // not the recording tick
    EXPECT_EQ(probe_->steps.size(), 7u);
}

TEST_F(RecordManager, CountDownMovesTheHostUpToTheStartBeforeAnyStep) {
    core_->GetSettings().countdown = 2;
    StartAt(4.0);
    const CountDownWindow* window = Loop().GetCountDownWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->IsVisible());
    EXPECT_EQ(window->GetText(), "<font size=6><b>2</b></font> ");
    EXPECT_DOUBLE_EQ(host_->getCurrentTime(), 4.0);

    Tick(500);
    EXPECT_DOUBLE_EQ(host_->getCurrentTime(), 2.5);
    EXPECT_EQ(window->GetText(), "<font size=6><b>2</b></font> ");
    Tick(600);
    EXPECT_EQ(window->GetText(), "<font size=6><b>1</b></font> ");
    EXPECT_TRUE(probe_->steps.empty());
    Tick(950); // 4.05 s
    EXPECT_FALSE(window->IsVisible());
    ASSERT_FALSE(probe_->steps.empty());
    EXPECT_NEAR(probe_->steps[0], 4.04, 1e-9);

    // Stopped during a count-down, the host goes back to the start frame.
    core_->StopRecording();
    core_->GetSettings().countdown = 3;
    StartAt(1.0);
    Tick(100);
    core_->StopRecording();
    EXPECT_NEAR(host_->getCurrentTime(), 1.0, 1e-9);
}

TEST_F(RecordManager, NoCountDownStepsOnTheFirstTickWithoutShowingTheWindow) {
    StartAt(0.0);
    EXPECT_FALSE(Loop().GetCountDownWindow()->IsVisible());
    Tick(40);
    EXPECT_FALSE(probe_->steps.empty());
}

TEST_F(RecordManager, TimelineDoublesAtItsEndWhileNoWindowSaysOtherwise) {
    host_->GetScene().SetPlaybackRange({0.0, 10.0});
    StartAt(0.0);
    Tick(10000);
    EXPECT_EQ(host_->getPlaybackRange(), (AdaptorInterface::TimeRange{0.0, 20.0}));
    Tick(10000);
    EXPECT_EQ(host_->getPlaybackRange(), (AdaptorInterface::TimeRange{0.0, 40.0}));
    EXPECT_TRUE(core_->IsRecording());
}

TEST_F(RecordManager, SlowLevelsStayWithinOneToTenAndSlowTheSimulatedClock) {
    core_->SetSlowLevel(0);
    EXPECT_EQ(core_->GetSlowLevel(), 1);
    EXPECT_DOUBLE_EQ(Loop().GetSlowFactor(), 1.0);
    core_->SetSlowLevel(11);
    EXPECT_EQ(core_->GetSlowLevel(), 10);
    EXPECT_DOUBLE_EQ(Loop().GetSlowFactor(), 512.0);
    EXPECT_TRUE(host_->factors.empty()); // nobody is told while idle

    core_->SetSlowLevel(2);
    StartAt(1.0);
    Tick(80); // 40 ms of simulated time
    EXPECT_NEAR(host_->getCurrentTime(), 1.04, 1e-9);
    core_->SetSlowLevel(10);
    Tick(512);
    EXPECT_NEAR(host_->getCurrentTime(), 1.041, 1e-9);
    core_->StopRecording();
    EXPECT_EQ(host_->factors, (std::vector<int>{2, 512, 1}));
}

TEST_F(RecordManager, FixedFrameDurationPacesTheFrames) {
    Loop().SetFixedFrameDuration(0.1);
    StartAt(1.0);
    Tick(150); // 1.15 s: frames 11 and 12 of 0.1 s
    ASSERT_EQ(probe_->steps.size(), 2u);
    EXPECT_NEAR(probe_->steps[0], 1.1, 1e-9);
    EXPECT_NEAR(probe_->steps[1], 1.2, 1e-9);
}

TEST_F(RecordManager, SecondStartWhileRunningAnswers71AndChangesNothing) {
    StartAt(1.0);
    EXPECT_EQ(core_->StartRecording(), 71);
    EXPECT_EQ(core_->Resimulate(0.0, 1.0), 71);
    EXPECT_TRUE(core_->IsRecording());
    EXPECT_FALSE(core_->IsResimulating());
    core_->StopRecording();
    EXPECT_FALSE(core_->IsRecording());

    ASSERT_EQ(core_->Resimulate(1.0, 2.0), 0);
    EXPECT_EQ(core_->StartRecording(), 71);
    EXPECT_EQ(core_->Resimulate(1.0, 2.0), 71);
    core_->StopRecording(); // leaves a re-simulation alone
    EXPECT_TRUE(core_->IsResimulating());
}

TEST_F(RecordManager, TheWindowDriversDevicesStartWithTheWindowTheRunGaveIt) {
    unidevice::DeviceRegistry& registry = unidevice::DeviceRegistry::Instance();
    auto* windriver = dynamic_cast<unidevice::WinDriver*>(registry.findDriver("windriver"));
    ASSERT_NE(windriver, nullptr);
    auto* listener = new unidevice::test::TestDevice("Listener", 1);
    listener->setDriver(windriver);
    // A window someone else gave the driver before, and which may be gone by now.
    const auto stale = reinterpret_cast<win32::HWND>(0x5A5A);

    for (const bool resimulate : {false, true}) {
        SCOPED_TRACE(resimulate ? "re-simulation" : "recording");
        windriver->SetWindow(stale);
        listener->windows.clear();
        if (resimulate) {
            ASSERT_EQ(core_->Resimulate(1.0, 1.0), 0);
        } else {
            StartAt(1.0);
        }
        ASSERT_FALSE(listener->windows.empty());
        EXPECT_NE(windriver->GetWindow(), stale);
        EXPECT_EQ(listener->windows.front(), windriver->GetWindow()) << "started with the run's window";
        if (resimulate) {
            Loop().GetResimulationWindow()->OnTimer(ResimulationWindow::kSliceTimer, clock_.Now());
        } else {
            core_->StopRecording();
        }
        EXPECT_FALSE(core_->IsRecording());
    }
}

TEST_F(RecordManager, KeysStopOrRetakeTheRecording) {
    auto release = [](int key) { win32::DispatchKeyboardEvent(key, win32::MakeKeyData(false, false)); };
    StartAt(1.0);
    Tick(100);
    release(win32::VK_SPACE);
    EXPECT_FALSE(core_->IsRecording());

    // Ctrl+Z: stop, undo; the host undid the take, so a new one starts.
    StartAt(1.0);
    Tick(100);
    win32::DispatchKeyboardEvent(win32::VK_CONTROL, win32::MakeKeyData(true, false));
    release('Z');
    EXPECT_EQ(host_->undoCalls, 1);
    EXPECT_TRUE(core_->IsRecording());

    // When undo answers false the recording stops and stays stopped.
    host_->undoAnswer = false;
    release('Z');
    EXPECT_EQ(host_->undoCalls, 2);
    EXPECT_FALSE(core_->IsRecording());
}

TEST_F(RecordManager, ResimulationStepsTheFramesAfterFromUpToToInSlices) {
    ASSERT_EQ(core_->Resimulate(1.0, 1.0), 0);
    Loop().GetResimulationWindow()->OnTimer(ResimulationWindow::kSliceTimer, clock_.Now());
    EXPECT_TRUE(probe_->steps.empty());
    EXPECT_FALSE(core_->IsResimulating());

    probe_->clock = &clock_;
    probe_->stepCost = 100; // six steps fill a 500 ms slice
    host_->setCurrentTime(7.0);
    ASSERT_EQ(core_->Resimulate(1.0, 2.0), 0);
    ResimulationWindow& window = *Loop().GetResimulationWindow();
    EXPECT_TRUE(window.IsOpen());
    window.OnTimer(ResimulationWindow::kSliceTimer, clock_.Now());
    EXPECT_EQ(probe_->steps.size(), 6u);
    EXPECT_TRUE(core_->IsResimulating());
    while (core_->IsResimulating()) window.OnTimer(ResimulationWindow::kSliceTimer, clock_.Now());

    ASSERT_EQ(probe_->steps.size(), 25u);
    for (size_t i = 0; i < probe_->steps.size(); ++i) {
        EXPECT_NEAR(probe_->steps[i], 1.04 + 0.04 * i, 1e-9);
        // Exactly the times a live take steps at, so recorded inputs are read back bit for bit.
        EXPECT_EQ(probe_->steps[i], static_cast<double>(26 + i) * Loop().GetFrameDuration()) << i;
    }
    EXPECT_FALSE(window.IsOpen());
    EXPECT_FLOAT_EQ(Loop().GetProgress(), 1.0f);
    EXPECT_DOUBLE_EQ(host_->getCurrentTime(), 1.0);
    EXPECT_EQ(host_->GetUndoLabels().back(), "Resimulating");
}

// A host time unit without a frame rate has no frames to re-simulate: the re-simulation is refused
// with a message before anything changes, and one whose unit loses its rate keeps what it stepped.
TEST_F(RecordManager, AHostTimeUnitWithoutAFrameRateIsNotReSimulated) {
    host_->GetScene().SetFramesPerSecond(0.0);
    const size_t undoSteps = host_->GetUndoLabels().size();
    win32::MessageBoxRecorder boxes;
    EXPECT_EQ(core_->Resimulate(0.0, 2.0), kRecordingUnavailable);
    EXPECT_FALSE(core_->IsRecording());
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, core::RecordManager::kNoFrameRateMessage);
    EXPECT_EQ(host_->GetUndoLabels().size(), undoSteps);
    EXPECT_EQ(host_->GetPrepareRecordingCount(), 0);

    host_->GetScene().SetFramesPerSecond(25.0);
    probe_->clock = &clock_;
    probe_->stepCost = 100; // six steps fill a 500 ms slice
    ASSERT_EQ(core_->Resimulate(0.0, 2.0), 0);
    ResimulationWindow& window = *Loop().GetResimulationWindow();
    window.OnTimer(ResimulationWindow::kSliceTimer, clock_.Now());
    ASSERT_EQ(probe_->steps.size(), 6u);
    host_->GetScene().SetFramesPerSecond(0.0);
    window.OnTimer(ResimulationWindow::kSliceTimer, clock_.Now());
    EXPECT_FALSE(core_->IsResimulating());
    EXPECT_EQ(probe_->steps.size(), 6u);
    EXPECT_EQ(host_->GetUndoLabels().back(), "Resimulating");
    EXPECT_EQ(boxes.Boxes().size(), 1u);
}

TEST_F(RecordManager, OnlyRecordedInstancesRunAndReSimulationReplaysTheirInput) {
    ASSERT_EQ(core_->CreateTool("Probe"), "Probe_02");
    core_->FindItem("Probe_02")->SetRecord(false);
    unidevice::Control stick(nullptr, unidevice::kFiniteControl, 0.0);
    probe_->throttle->SetControl(&stick);

    StartAt(1.0);
    EXPECT_EQ(Loop().GetActiveInstances().size(), 1u);
    for (int i = 1; i <= 3; ++i) {
        stick.setValue(0.1 * i);
        Tick(40);
    }
    const double last = Loop().GetFrameIndex() * 0.04;
    core_->StopRecording();
    EXPECT_TRUE(dynamic_cast<ProbeObject*>(core_->InstanceManager::FindInstance("Probe_02")->GetObject())
                    ->steps.empty());
    const std::vector<double> live = probe_->seen;
    ASSERT_EQ(live.size(), 4u); // two frames at the first tick, then one per tick

    stick.setValue(0.9);
    probe_->seen.clear();
    ASSERT_EQ(core_->Resimulate(1.0, last), 0);
    Loop().GetResimulationWindow()->OnTimer(ResimulationWindow::kSliceTimer, clock_.Now());
    EXPECT_EQ(probe_->seen.size(), live.size());
    for (size_t i = 0; i < live.size(); ++i) EXPECT_NEAR(probe_->seen[i], live[i], 1e-9);
    EXPECT_EQ(probe_->throttle->getControl(), &stick);
    probe_->throttle->SetControl(nullptr);
}

// Deleting a tool while the loop runs takes it out of the run: the next tick or slice steps only the
// tools that are left (the sanitizer build sees any read of a freed instance).
TEST_F(RecordManager, DeletingDuringATakeOrAReSimulationLeavesTheRunSafe) {
    ASSERT_EQ(core_->CreateTool("Probe"), "Probe_02");
    auto* second = dynamic_cast<ProbeObject*>(core_->InstanceManager::FindInstance("Probe_02")->GetObject());
    StartAt(1.0);
    Tick(40);
    ASSERT_EQ(Loop().GetActiveInstances().size(), 2u);
    core_->DeleteInstance("Probe_01");
    EXPECT_EQ(Loop().GetActiveInstances().size(), 1u);
    const size_t steps = second->steps.size();
    Tick(40);
    EXPECT_EQ(second->steps.size(), steps + 1);
    core_->DeleteAllInstances();
    EXPECT_TRUE(Loop().GetActiveInstances().empty());
    Tick(40);
    EXPECT_TRUE(core_->IsRecording());
    core_->StopRecording();

    ASSERT_EQ(core_->CreateTool("Probe"), "Probe_01");
    ASSERT_EQ(core_->CreateTool("Probe"), "Probe_02");
    auto* kept = dynamic_cast<ProbeObject*>(core_->InstanceManager::FindInstance("Probe_02")->GetObject());
    kept->clock = &clock_;
    kept->stepCost = 100; // a slice ends after five or six steps
    ASSERT_EQ(core_->Resimulate(1.0, 2.0), 0);
    ResimulationWindow& window = *Loop().GetResimulationWindow();
    window.OnTimer(ResimulationWindow::kSliceTimer, clock_.Now());
    ASSERT_TRUE(core_->IsResimulating());
    core_->DeleteInstance("Probe_01");
    while (core_->IsResimulating()) window.OnTimer(ResimulationWindow::kSliceTimer, clock_.Now());
    EXPECT_EQ(kept->steps.size(), 25u);
}

TEST_F(RecordManager, UndoingTheTakeRestoresTheSceneAsItWas) {
    host_->setCurrentTime(1.0);
    const auto keysBefore = Body().transform.GetKeys();
    const util::Matrix<double> staticBefore = Body().transform.GetStatic();
    const auto labelsBefore = host_->GetUndoLabels();

    StartAt(1.0);
    for (int i = 0; i < 5; ++i) Tick(40);
    core_->StopRecording();
    ASSERT_FALSE(Body().transform.GetKeys().empty());
    EXPECT_EQ(host_->GetUndoLabels().back(), "Record");
    EXPECT_EQ(host_->GetUndoLabels().size(), labelsBefore.size() + 1);

    host_->setCurrentTime(3.0);
    ASSERT_TRUE(host_->undo());
    EXPECT_EQ(host_->GetUndoLabels(), labelsBefore);
    EXPECT_DOUBLE_EQ(host_->getCurrentTime(), 1.0);
    EXPECT_EQ(Body().transform.GetKeys().size(), keysBefore.size());
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) EXPECT_EQ(Body().transform.GetStatic().m[r][c], staticBefore.m[r][c]);
    }
}

} // namespace
} // namespace vex::orb::core::test
