// torva-take: the system end to end on the in-memory host. It starts the core, creates the two
// follow cameras (RuzovuZediziViz and VuzaZaderaRav), animates their AttachedCams along one shaky
// hand-held path, records a take through the real-time loop, re-simulates the same range, and writes
// the cameras' paths as CSV and as a PNG plot, with pictures of the count-down and re-simulation
// windows as the user sees them. The loop runs on a fake clock, so the eight-second take takes no real
// time.

#include "core/CoreImplementation.h"
#include "core/CoreStartup.h"
#include "core/CountDownWindow.h"
#include "core/Instance.h"
#include "core/ResimulationWindow.h"
#include "examples/common/PathSampling.h"
#include "examples/common/ProgramArguments.h"
#include "examples/take/HandHeldPath.h"
#include "host/plot/PathCsv.h"
#include "host/plot/PathPlot.h"
#include "platform/qt/OffscreenSession.h"
#include "platform/win32/Clock.h"
#include "platform/win32/Files.h"
#include "platform/win32/Registry.h"
#include "system/adaptors/memory/MemoryAdaptor.h"
#include "unidevice/Control.h"
#include "unidevice/ControlKind.h"
#include "unidevice/Property.h"
#include "util/NumberText.h"

#include <QApplication>
#include <QWidget>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

namespace win32 = vex::platform::win32;
using vex::host::plot::PathSeries;
using vex::orb::adaptor::memory::MemoryAdaptor;
using vex::orb::adaptor::memory::MemoryScene;
using vex::orb::core::CoreImplementation;

constexpr double kFramesPerSecond = 25.0;
constexpr double kTakeSeconds = 8.0;
constexpr win32::DWORD kTickMs = 40; // one host frame of wall-clock time

using vex::examples::LargestDistance;

// The transform's world position once per frame over the take.
PathSeries Sample(const MemoryScene& scene, const std::string& transform, const std::string& label,
                  unsigned rgb) {
    return vex::examples::SamplePath(scene, transform, label, rgb, kTakeSeconds, kFramesPerSecond);
}

int Fail(const std::string& what) {
    std::fprintf(stderr, "torva-take: %s\n", what.c_str());
    return 1;
}

// Says how far the re-simulated `part` of `tool` strays from its take, numbers in the C form.
void ReportResimulation(const std::string& tool, const char* part, double largestDistance) {
    std::printf("re-simulated %s over 0 to %s s: its %s differs from the take by at most %s m\n",
                tool.c_str(), vex::util::FormatFixed(kTakeSeconds, 2).c_str(), part,
                vex::util::FormatGeneral(largestDistance, 3).c_str());
}

// The in-memory host, except that while `slowSteps` is set every frame a tool steps costs wall-clock
// time: the tools ask the frame rate once per step, and each question moves the fake clock on. The
// re-simulation then runs in several slices, as a long take does, so its window is seen mid-run.
class SlowStepHost : public MemoryAdaptor {
public:
    SlowStepHost(double framesPerSecond, win32::FakeClock& clock)
        : MemoryAdaptor(framesPerSecond), clock_(clock) {}
    double getFramesPerSecond() override {
        if (slowSteps) clock_.Advance(kStepCostMs);
        return MemoryAdaptor::getFramesPerSecond();
    }
    bool slowSteps = false;

private:
    static constexpr win32::DWORD kStepCostMs = 4;
    win32::FakeClock& clock_;
};

// Writes what `window` shows to the PNG file `path`.
bool SaveWindow(QWidget* window, const std::string& path, std::string& error) {
    if (window == nullptr) {
        error = "no window to picture for " + path;
        return false;
    }
    QApplication::processEvents();
    if (!window->grab().save(QString::fromStdString(path), "PNG")) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const vex::examples::ProgramArguments arguments(
        argc, argv,
        "Usage: torva-take [folder]\n"
        "Records and re-simulates a take on the in-memory host and writes its results into folder\n"
        "(\"take\" when none is given).\n");
    if (arguments.ExitCode()) return *arguments.ExitCode();
    // The plot and the windows are drawn off screen; no display is needed.
    vex::platform::qt::BeginOffscreenSession();
    QApplication application(argc, argv);

    const std::string out = arguments.OperandOr("take");
    if (!win32::MakeDirectories(out)) return Fail("cannot make the output folder " + out);
    // The take keeps the core's data folder (settings, profiles) inside the output folder rather
    // than in the user's documents.
    win32::RegistrySetValue(win32::HKEY_CURRENT_USER,
                            "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                            "Personal", out + "/documents");

    win32::FakeClock clock;
    clock.Set(1000);
    SlowStepHost host(kFramesPerSecond, clock);
    CoreImplementation* core = vex::orb::core::FindCore();
    if (core == nullptr) return Fail("the core did not start on the in-memory host");

    // Both follow cameras take part in one take, their AttachedCams on the same hand-held move.
    struct FollowTool {
        const char* identifier;
        unsigned rgb;
        std::string name;
        PathSeries take, resimulated;
    };
    std::vector<FollowTool> tools{{"RuzovuZediziViz", 0x2060D0, {}, {}, {}},
                                  {"VuzaZaderaRav", 0x20A050, {}, {}, {}}};
    MemoryScene& scene = host.GetScene();
    const int frames = static_cast<int>(std::lround(kTakeSeconds * kFramesPerSecond));
    for (FollowTool& tool : tools) {
        tool.name = core->CreateTool(tool.identifier);
        if (tool.name.empty())
            return Fail(std::string("the tool type ") + tool.identifier + " is not registered");
        auto* attachedCam = scene.Find(scene.FindByName(tool.name + "_AttachedCamTransform"));
        if (attachedCam == nullptr ||
            scene.FindByName(tool.name + "_FollowCamTransform") == vex::orb::adaptor::memory::kWorld)
            return Fail(tool.name + " did not make its two cameras");
        // The animator's hand-held move: one key per frame on the AttachedCam.
        for (int f = 0; f <= frames; ++f)
            attachedCam->transform.SetKey(f / kFramesPerSecond,
                                          vex::examples::HandHeldPose(f / kFramesPerSecond));
    }
    // A VodiDOva flown by a scripted stick: steady forward thrust and a slow weave of yaw, set on
    // its two channels' controls before every tick as a game controller would deliver them.
    const std::string flyer = core->CreateTool("VodiDOva");
    vex::orb::core::Instance* flyerInstance = core->FindInstance(flyer);
    if (flyerInstance == nullptr) return Fail("the tool type VodiDOva is not registered");
    vex::unidevice::Control thrust(nullptr, vex::unidevice::kAnyControl, 0.0);
    vex::unidevice::Control yaw(nullptr, vex::unidevice::kAnyControl, 0.0);
    vex::unidevice::Property* thrustChannel = flyerInstance->findInputChannel("Forw/Backw Force");
    vex::unidevice::Property* yawChannel = flyerInstance->findInputChannel("Yaw Force (Right/Left)");
    if (thrustChannel == nullptr || yawChannel == nullptr) return Fail(flyer + " lacks its force channels");
    thrustChannel->SetControl(&thrust);
    yawChannel->SetControl(&yaw);
    const auto moveStick = [&](double t) {
        thrust.setValue(t > 0.0 ? 0.8 : 0.0);
        yaw.setValue(t > 0.0 ? 0.5 * std::sin(0.8 * t) : 0.0);
    };

    host.setPlaybackRange({0.0, kTakeSeconds});
    host.setCurrentTime(0.0);

    // Record: the count-down, then one tick per frame of (fake) wall-clock time.
    std::string error;
    const std::string countdownPng = out + "/countdown.png";
    if (int result = core->StartRecording(); result != 0)
        return Fail("recording did not start: " + std::to_string(result));
    int ticks = 0;
    while (core->IsRecording() && core->GetTime() < kTakeSeconds) {
        moveStick(core->GetTime());
        clock.Advance(kTickMs);
        core->OnTimer(vex::orb::core::RecordManager::kRecordTimer, clock.Now());
        ++ticks;
        // The count-down window as it shows the last second before the take.
        if (ticks == 25 && !SaveWindow(core->GetCountDownWindow()->GetWidget(), countdownPng, error))
            return Fail(error);
    }
    core->StopRecording();
    std::printf("recorded %zu follow cameras and a VodiDOva: %d ticks (count-down of %d s included), %s s "
                "of take\n",
                tools.size(), ticks, core->GetSettings().countdown,
                vex::util::FormatFixed(kTakeSeconds, 2).c_str());
    const PathSeries attachedPath =
        Sample(scene, tools.front().name + "_AttachedCamTransform", "AttachedCam (hand-held)", 0xD03030);
    for (FollowTool& tool : tools)
        tool.take =
            Sample(scene, tool.name + "_FollowCamTransform", tool.name + " FollowCam (take)", tool.rgb);
    const std::string flyerNode = flyer + "_VodiDOvaTransform";
    const PathSeries flyerTake = Sample(scene, flyerNode, flyer + " (take)", 0x8040C0);

    // Re-simulate the whole range from the recorded inputs, slice by slice, one slice per second of
    // (fake) wall-clock time as the window's timer gives them.
    const std::string resimulatePng = out + "/resimulate.png";
    host.slowSteps = true;
    if (int result = core->Resimulate(0.0, kTakeSeconds); result != 0)
        return Fail("re-simulation did not start: " + std::to_string(result));
    int slices = 0;
    while (core->IsResimulating()) {
        clock.Advance(1000);
        core->GetResimulationWindow()->OnTimer(vex::orb::core::ResimulationWindow::kSliceTimer, clock.Now());
        // The window after its second slice: the bar shows how far the first one came.
        if (++slices == 2 && core->IsResimulating() &&
            !SaveWindow(core->GetResimulationWindow()->GetWidget(), resimulatePng, error))
            return Fail(error);
    }
    host.slowSteps = false;
    std::printf("re-simulated in %d slices; wrote %s and %s\n", slices, countdownPng.c_str(),
                resimulatePng.c_str());
    std::vector<PathSeries> csvSeries{attachedPath}, plotSeries{attachedPath};
    for (FollowTool& tool : tools) {
        tool.resimulated =
            Sample(scene, tool.name + "_FollowCamTransform", tool.name + " FollowCam", tool.rgb);
        ReportResimulation(tool.name, "FollowCam", LargestDistance(tool.take, tool.resimulated));
        PathSeries resimulatedColumn = tool.resimulated;
        resimulatedColumn.name += " (re-simulated)";
        csvSeries.push_back(tool.take);
        csvSeries.push_back(resimulatedColumn);
        plotSeries.push_back(tool.resimulated);
    }

    const PathSeries flyerPath = Sample(scene, flyerNode, flyer + " (re-simulated)", 0x8040C0);
    ReportResimulation(flyer, "camera", LargestDistance(flyerTake, flyerPath));

    const std::string flyerCsv = out + "/vodidova.csv";
    const std::string flyerPng = out + "/vodidova.png";
    if (!vex::host::plot::WritePathCsv(flyerCsv, {flyerTake, flyerPath}, error)) return Fail(error);
    if (!vex::host::plot::WritePathPlot(flyerPng, "VodiDOva flown by a scripted stick", {flyerPath}, 1400,
                                        560, error))
        return Fail(error);
    std::printf("wrote %s and %s\n", flyerCsv.c_str(), flyerPng.c_str());

    const std::string csv = out + "/take.csv";
    const std::string png = out + "/take.png";
    if (!vex::host::plot::WritePathCsv(csv, csvSeries, error)) return Fail(error);
    if (!vex::host::plot::WritePathPlot(png, "A hand-held AttachedCam and the two follow cameras", plotSeries,
                                        1400, 560, error))
        return Fail(error);
    std::printf("wrote %s and %s\n", csv.c_str(), png.c_str());
    return 0;
}
