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
        host = std::make_unique<Host>();
        core = FindCore();
        ASSERT_NE(core, nullptr);
        core->GetSettings().countdown = 0;
        ASSERT_EQ(core->CreateTool("Probe"), "Probe_01");
        probe = dynamic_cast<ProbeObject*>(core->InstanceManager::FindInstance("Probe_01")->GetObject());
        host->GetScene().SetPlaybackRange({0.0, 100.0});
    }
    void TearDown() override {
        host.reset();
        RegistryTest::TearDown();
    }

    // Starts a recording at `start` seconds with the fake clock at 1000 ms.
    void StartAt(double start) {
        host->setCurrentTime(start);
        clock.Set(1000);
        ASSERT_EQ(core->StartRecording(), 0);
    }
    // A tick `elapsed` milliseconds after the previous one.
    void Tick(win32::DWORD elapsed) {
        clock.Advance(elapsed);
        core->OnTimer(core::RecordManager::kRecordTimer, clock.Now());
    }
    core::RecordManager& Loop() { return *core; }
    HostObject& Body() { return *host->GetScene().Find(static_cast<MemoryNode*>(probe->body)->GetObject()); }

    win32::FakeClock clock;
    std::unique_ptr<Host> host;
    CoreImplementation* core = nullptr;
    ProbeObject* probe = nullptr;
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
    clock.Set(77);
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
    host->setCurrentTime(0.0);
    ASSERT_EQ(core->StartRecording(), 0);
    EXPECT_EQ(Loop().GetQtTimerId(core::RecordManager::kRecordTimer), 0) << "no Qt timer on the batch clock";
    EXPECT_EQ(win32::TimerQueue::RunningTimers(), 1);
    int ticks = 0;
    while (host->getCurrentTime() < 2.0 - 1e-9 && ticks < 1000) {
        ASSERT_TRUE(win32::TimerQueue::FireNext());
        ++ticks;
    }
    EXPECT_EQ(ticks, 50) << "one tick per frame of clock time";
    // Every frame up to the one after the current time stepped once, in order.
    ASSERT_EQ(probe->steps.size(), 51u);
    for (size_t i = 0; i < probe->steps.size(); ++i) EXPECT_NEAR(probe->steps[i], (i + 1) * 0.04, 1e-9);
    EXPECT_EQ(win32::GetTickCount(), 5000u + 50 * 40);
    core->StopRecording();
    EXPECT_EQ(win32::TimerQueue::RunningTimers(), 0) << "the stopped take holds no timer";
    EXPECT_FALSE(win32::TimerQueue::FireNext());
    win32::TimerQueue::StopBatchClock();
}

TEST_F(RecordManager, FirstStepIsTheFrameAfterTheStartAndLateTicksCatchUpThreeFramesAtATime) {
    StartAt(2.0);
    EXPECT_TRUE(probe->steps.empty()); // the start frame is what BeginRecord set
    Tick(50);                          // clock 2.05 s: frames 51 and 52
    ASSERT_EQ(probe->steps.size(), 2u);
    EXPECT_NEAR(probe->steps[0], 2.04, 1e-9);
    EXPECT_NEAR(host->getCurrentTime(), 2.05, 1e-9);

    Tick(200); // 2.25 s: five frames due, three stepped
    EXPECT_EQ(probe->steps.size(), 5u);
    EXPECT_EQ(Loop().GetFrameIndex(), 55);
    core->OnTimer(core::RecordManager::kRecordTimer, clock.Now()); // the rest, at once
    EXPECT_EQ(probe->steps.size(), 7u);
    EXPECT_NEAR(probe->steps.back(), 57 * 0.04, 1e-9);
    EXPECT_TRUE(Loop().HasTimer(core::RecordManager::kRecordTimer));

    core->OnTimer(7, clock.Now()); // not the recording tick
    EXPECT_EQ(probe->steps.size(), 7u);
}

TEST_F(RecordManager, CountDownMovesTheHostUpToTheStartBeforeAnyStep) {
    core->GetSettings().countdown = 2;
    StartAt(4.0);
    const CountDownWindow* window = Loop().GetCountDownWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->IsVisible());
    EXPECT_EQ(window->GetText(), "<font size=6><b>2</b></font> ");
    EXPECT_DOUBLE_EQ(host->getCurrentTime(), 4.0);

    Tick(500);
    EXPECT_DOUBLE_EQ(host->getCurrentTime(), 2.5);
    EXPECT_EQ(window->GetText(), "<font size=6><b>2</b></font> ");
    Tick(600);
    EXPECT_EQ(window->GetText(), "<font size=6><b>1</b></font> ");
    EXPECT_TRUE(probe->steps.empty());
    Tick(950); // 4.05 s
    EXPECT_FALSE(window->IsVisible());
    ASSERT_FALSE(probe->steps.empty());
    EXPECT_NEAR(probe->steps[0], 4.04, 1e-9);

    // Stopped during a count-down, the host goes back to the start frame.
    core->StopRecording();
    core->GetSettings().countdown = 3;
    StartAt(1.0);
    Tick(100);
    core->StopRecording();
    EXPECT_NEAR(host->getCurrentTime(), 1.0, 1e-9);
}

TEST_F(RecordManager, NoCountDownStepsOnTheFirstTickWithoutShowingTheWindow) {
    StartAt(0.0);
    EXPECT_FALSE(Loop().GetCountDownWindow()->IsVisible());
    Tick(40);
    EXPECT_FALSE(probe->steps.empty());
}

TEST_F(RecordManager, TimelineDoublesAtItsEndWhileNoWindowSaysOtherwise) {
    host->GetScene().SetPlaybackRange({0.0, 10.0});
    StartAt(0.0);
    Tick(10000);
    EXPECT_EQ(host->getPlaybackRange(), (AdaptorInterface::TimeRange{0.0, 20.0}));
    Tick(10000);
    EXPECT_EQ(host->getPlaybackRange(), (AdaptorInterface::TimeRange{0.0, 40.0}));
    EXPECT_TRUE(core->IsRecording());
}

TEST_F(RecordManager, SlowLevelsStayWithinOneToTenAndSlowTheSimulatedClock) {
    core->SetSlowLevel(0);
    EXPECT_EQ(core->GetSlowLevel(), 1);
    EXPECT_DOUBLE_EQ(Loop().GetSlowFactor(), 1.0);
    core->SetSlowLevel(11);
    EXPECT_EQ(core->GetSlowLevel(), 10);
    EXPECT_DOUBLE_EQ(Loop().GetSlowFactor(), 512.0);
    EXPECT_TRUE(host->factors.empty()); // nobody is told while idle

    core->SetSlowLevel(2);
    StartAt(1.0);
    Tick(80); // 40 ms of simulated time
    EXPECT_NEAR(host->getCurrentTime(), 1.04, 1e-9);
    core->SetSlowLevel(10);
    Tick(512);
    EXPECT_NEAR(host->getCurrentTime(), 1.041, 1e-9);
    core->StopRecording();
    EXPECT_EQ(host->factors, (std::vector<int>{2, 512, 1}));
}

TEST_F(RecordManager, FixedFrameDurationPacesTheFrames) {
    Loop().SetFixedFrameDuration(0.1);
    StartAt(1.0);
    Tick(150); // 1.15 s: frames 11 and 12 of 0.1 s
    ASSERT_EQ(probe->steps.size(), 2u);
    EXPECT_NEAR(probe->steps[0], 1.1, 1e-9);
    EXPECT_NEAR(probe->steps[1], 1.2, 1e-9);
}

TEST_F(RecordManager, SecondStartWhileRunningAnswers71AndChangesNothing) {
    StartAt(1.0);
    EXPECT_EQ(core->StartRecording(), 71);
    EXPECT_EQ(core->Resimulate(0.0, 1.0), 71);
    EXPECT_TRUE(core->IsRecording());
    EXPECT_FALSE(core->IsResimulating());
    core->StopRecording();
    EXPECT_FALSE(core->IsRecording());

    ASSERT_EQ(core->Resimulate(1.0, 2.0), 0);
    EXPECT_EQ(core->StartRecording(), 71);
    EXPECT_EQ(core->Resimulate(1.0, 2.0), 71);
    core->StopRecording(); // leaves a re-simulation alone
    EXPECT_TRUE(core->IsResimulating());
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
        windriver->setWindow(stale);
        listener->windows.clear();
        if (resimulate) {
            ASSERT_EQ(core->Resimulate(1.0, 1.0), 0);
        } else {
            StartAt(1.0);
        }
        ASSERT_FALSE(listener->windows.empty());
        EXPECT_NE(windriver->getWindow(), stale);
        EXPECT_EQ(listener->windows.front(), windriver->getWindow()) << "started with the run's window";
        if (resimulate) {
            Loop().GetResimulationWindow()->OnTimer(ResimulationWindow::kSliceTimer, clock.Now());
        } else {
            core->StopRecording();
        }
        EXPECT_FALSE(core->IsRecording());
    }
}

TEST_F(RecordManager, KeysStopOrRetakeTheRecording) {
    auto release = [](int key) { win32::DispatchKeyboardEvent(key, win32::MakeKeyData(false, false)); };
    StartAt(1.0);
    Tick(100);
    release(win32::VK_SPACE);
    EXPECT_FALSE(core->IsRecording());

    // Ctrl+Z: stop, undo; the host undid the take, so a new one starts.
    StartAt(1.0);
    Tick(100);
    win32::DispatchKeyboardEvent(win32::VK_CONTROL, win32::MakeKeyData(true, false));
    release('Z');
    EXPECT_EQ(host->undoCalls, 1);
    EXPECT_TRUE(core->IsRecording());

    // When undo answers false the recording stops and stays stopped.
    host->undoAnswer = false;
    release('Z');
    EXPECT_EQ(host->undoCalls, 2);
    EXPECT_FALSE(core->IsRecording());
}

TEST_F(RecordManager, ResimulationStepsTheFramesAfterFromUpToToInSlices) {
    ASSERT_EQ(core->Resimulate(1.0, 1.0), 0);
    Loop().GetResimulationWindow()->OnTimer(ResimulationWindow::kSliceTimer, clock.Now());
    EXPECT_TRUE(probe->steps.empty());
    EXPECT_FALSE(core->IsResimulating());

    probe->clock = &clock;
    probe->stepCost = 100; // six steps fill a 500 ms slice
    host->setCurrentTime(7.0);
    ASSERT_EQ(core->Resimulate(1.0, 2.0), 0);
    ResimulationWindow& window = *Loop().GetResimulationWindow();
    EXPECT_TRUE(window.IsOpen());
    window.OnTimer(ResimulationWindow::kSliceTimer, clock.Now());
    EXPECT_EQ(probe->steps.size(), 6u);
    EXPECT_TRUE(core->IsResimulating());
    while (core->IsResimulating()) window.OnTimer(ResimulationWindow::kSliceTimer, clock.Now());

    ASSERT_EQ(probe->steps.size(), 25u);
    for (size_t i = 0; i < probe->steps.size(); ++i) {
        EXPECT_NEAR(probe->steps[i], 1.04 + 0.04 * i, 1e-9);
        // Exactly the times a live take steps at, so recorded inputs are read back bit for bit.
        EXPECT_EQ(probe->steps[i], static_cast<double>(26 + i) * Loop().GetFrameDuration()) << i;
    }
    EXPECT_FALSE(window.IsOpen());
    EXPECT_FLOAT_EQ(Loop().GetProgress(), 1.0f);
    EXPECT_DOUBLE_EQ(host->getCurrentTime(), 1.0);
    EXPECT_EQ(host->GetUndoLabels().back(), "Resimulating");
}

// A host time unit without a frame rate has no frames to re-simulate: the re-simulation is refused
// with a message before anything changes, and one whose unit loses its rate keeps what it stepped.
TEST_F(RecordManager, AHostTimeUnitWithoutAFrameRateIsNotReSimulated) {
    host->GetScene().SetFramesPerSecond(0.0);
    const size_t undoSteps = host->GetUndoLabels().size();
    win32::MessageBoxRecorder boxes;
    EXPECT_EQ(core->Resimulate(0.0, 2.0), kRecordingUnavailable);
    EXPECT_FALSE(core->IsRecording());
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, core::RecordManager::kNoFrameRateMessage);
    EXPECT_EQ(host->GetUndoLabels().size(), undoSteps);
    EXPECT_EQ(host->GetPrepareRecordingCount(), 0);

    host->GetScene().SetFramesPerSecond(25.0);
    probe->clock = &clock;
    probe->stepCost = 100; // six steps fill a 500 ms slice
    ASSERT_EQ(core->Resimulate(0.0, 2.0), 0);
    ResimulationWindow& window = *Loop().GetResimulationWindow();
    window.OnTimer(ResimulationWindow::kSliceTimer, clock.Now());
    ASSERT_EQ(probe->steps.size(), 6u);
    host->GetScene().SetFramesPerSecond(0.0);
    window.OnTimer(ResimulationWindow::kSliceTimer, clock.Now());
    EXPECT_FALSE(core->IsResimulating());
    EXPECT_EQ(probe->steps.size(), 6u);
    EXPECT_EQ(host->GetUndoLabels().back(), "Resimulating");
    EXPECT_EQ(boxes.Boxes().size(), 1u);
}

TEST_F(RecordManager, OnlyRecordedInstancesRunAndReSimulationReplaysTheirInput) {
    ASSERT_EQ(core->CreateTool("Probe"), "Probe_02");
    core->FindItem("Probe_02")->SetRecord(false);
    unidevice::Control stick(nullptr, unidevice::kFiniteControl, 0.0);
    probe->throttle->setControl(&stick);

    StartAt(1.0);
    EXPECT_EQ(Loop().GetActiveInstances().size(), 1u);
    for (int i = 1; i <= 3; ++i) {
        stick.setValue(0.1 * i);
        Tick(40);
    }
    const double last = Loop().GetFrameIndex() * 0.04;
    core->StopRecording();
    EXPECT_TRUE(dynamic_cast<ProbeObject*>(core->InstanceManager::FindInstance("Probe_02")->GetObject())
                    ->steps.empty());
    const std::vector<double> live = probe->seen;
    ASSERT_EQ(live.size(), 4u); // two frames at the first tick, then one per tick

    stick.setValue(0.9);
    probe->seen.clear();
    ASSERT_EQ(core->Resimulate(1.0, last), 0);
    Loop().GetResimulationWindow()->OnTimer(ResimulationWindow::kSliceTimer, clock.Now());
    EXPECT_EQ(probe->seen.size(), live.size());
    for (size_t i = 0; i < live.size(); ++i) EXPECT_NEAR(probe->seen[i], live[i], 1e-9);
    EXPECT_EQ(probe->throttle->getControl(), &stick);
    probe->throttle->setControl(nullptr);
}

// Deleting a tool while the loop runs takes it out of the run: the next tick or slice steps only the
// tools that are left (the sanitizer build sees any read of a freed instance).
TEST_F(RecordManager, DeletingDuringATakeOrAReSimulationLeavesTheRunSafe) {
    ASSERT_EQ(core->CreateTool("Probe"), "Probe_02");
    auto* second = dynamic_cast<ProbeObject*>(core->InstanceManager::FindInstance("Probe_02")->GetObject());
    StartAt(1.0);
    Tick(40);
    ASSERT_EQ(Loop().GetActiveInstances().size(), 2u);
    core->DeleteInstance("Probe_01");
    EXPECT_EQ(Loop().GetActiveInstances().size(), 1u);
    const size_t steps = second->steps.size();
    Tick(40);
    EXPECT_EQ(second->steps.size(), steps + 1);
    core->DeleteAllInstances();
    EXPECT_TRUE(Loop().GetActiveInstances().empty());
    Tick(40);
    EXPECT_TRUE(core->IsRecording());
    core->StopRecording();

    ASSERT_EQ(core->CreateTool("Probe"), "Probe_01");
    ASSERT_EQ(core->CreateTool("Probe"), "Probe_02");
    auto* kept = dynamic_cast<ProbeObject*>(core->InstanceManager::FindInstance("Probe_02")->GetObject());
    kept->clock = &clock;
    kept->stepCost = 100; // a slice ends after five or six steps
    ASSERT_EQ(core->Resimulate(1.0, 2.0), 0);
    ResimulationWindow& window = *Loop().GetResimulationWindow();
    window.OnTimer(ResimulationWindow::kSliceTimer, clock.Now());
    ASSERT_TRUE(core->IsResimulating());
    core->DeleteInstance("Probe_01");
    while (core->IsResimulating()) window.OnTimer(ResimulationWindow::kSliceTimer, clock.Now());
    EXPECT_EQ(kept->steps.size(), 25u);
}

TEST_F(RecordManager, UndoingTheTakeRestoresTheSceneAsItWas) {
    host->setCurrentTime(1.0);
    const auto keysBefore = Body().transform.GetKeys();
    const util::Matrix<double> staticBefore = Body().transform.GetStatic();
    const auto labelsBefore = host->GetUndoLabels();

    StartAt(1.0);
    for (int i = 0; i < 5; ++i) Tick(40);
    core->StopRecording();
    ASSERT_FALSE(Body().transform.GetKeys().empty());
    EXPECT_EQ(host->GetUndoLabels().back(), "Record");
    EXPECT_EQ(host->GetUndoLabels().size(), labelsBefore.size() + 1);

    host->setCurrentTime(3.0);
    ASSERT_TRUE(host->undo());
    EXPECT_EQ(host->GetUndoLabels(), labelsBefore);
    EXPECT_DOUBLE_EQ(host->getCurrentTime(), 1.0);
    EXPECT_EQ(Body().transform.GetKeys().size(), keysBefore.size());
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) EXPECT_EQ(Body().transform.GetStatic().m[r][c], staticBefore.m[r][c]);
    }
}

} // namespace
} // namespace vex::orb::core::test
