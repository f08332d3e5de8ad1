// torva-take: the system end to end on the in-memory host. It starts the core, creates a
// RuzovuZediziViz follow camera, animates its AttachedCam along a shaky hand-held path, records a
// take through the real-time loop, re-simulates the same range, and writes both cameras' paths as
// CSV and as a PNG plot. The loop runs on a fake clock, so the eight-second take takes no real time.

#include "core/CoreImplementation.h"
#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "core/ResimulationWindow.h"
#include "examples/take/HandHeldPath.h"
#include "examples/take/PathExport.h"
#include "platform/win32/Clock.h"
#include "platform/win32/Files.h"
#include "platform/win32/Registry.h"
#include "system/adaptors/memory/MemoryAdaptor.h"

#include <QGuiApplication>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

namespace win32 = vex::platform::win32;
using vex::examples::PathSeries;
using vex::orb::adaptor::memory::MemoryAdaptor;
using vex::orb::adaptor::memory::MemoryScene;
using vex::orb::core::CoreImplementation;

constexpr double kFramesPerSecond = 25.0;
constexpr double kTakeSeconds = 8.0;
constexpr win32::DWORD kTickMs = 40; // one host frame of wall-clock time

int Fail(const std::string& what) {
    std::fprintf(stderr, "torva-take: %s\n", what.c_str());
    return 1;
}

// The transform's world position at `t`, sampled once per frame over the take.
PathSeries Sample(const MemoryScene& scene, const std::string& transform, const std::string& label,
                  unsigned rgb) {
    PathSeries series{label, rgb, {}};
    const auto id = scene.FindByName(transform);
    const int frames = static_cast<int>(std::lround(kTakeSeconds * kFramesPerSecond));
    for (int f = 0; f <= frames; ++f) {
        const double t = f / kFramesPerSecond;
        const auto world = scene.GetWorldMatrix(id, t);
        series.samples.push_back({t, {world.m[3][0], world.m[3][1], world.m[3][2]}});
    }
    return series;
}

double LargestDistance(const PathSeries& a, const PathSeries& b) {
    double largest = 0.0;
    for (size_t i = 0; i < a.samples.size() && i < b.samples.size(); ++i) {
        const auto d = a.samples[i].position - b.samples[i].position;
        largest = std::max(largest, std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z));
    }
    return largest;
}

} // namespace

int main(int argc, char** argv) {
    // The plot is drawn off screen; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    const std::string out = argc > 1 ? argv[1] : "take";
    if (!win32::MakeDirectories(out)) return Fail("cannot make the output folder " + out);
    // The take keeps the core's data folder (settings, profiles) inside the output folder rather
    // than in the user's documents.
    win32::RegistrySetValue(win32::HKEY_CURRENT_USER,
                            "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                            "Personal", out + "/documents");

    win32::FakeClock clock;
    clock.Set(1000);
    MemoryAdaptor host(kFramesPerSecond);
    CoreImplementation* core = vex::orb::core::FindCore();
    if (core == nullptr) return Fail("the core did not start on the in-memory host");

    const std::string name = core->CreateTool("RuzovuZediziViz");
    if (name.empty()) return Fail("the RuzovuZediziViz tool type is not registered");
    const std::string attached = name + "_AttachedCamTransform";
    const std::string follow = name + "_FollowCamTransform";
    MemoryScene& scene = host.GetScene();
    auto* attachedCam = scene.Find(scene.FindByName(attached));
    if (attachedCam == nullptr || scene.FindByName(follow) == vex::orb::adaptor::memory::kWorld)
        return Fail("the tool did not make its two cameras");

    // The animator's hand-held move: one key per frame on the AttachedCam.
    const int frames = static_cast<int>(std::lround(kTakeSeconds * kFramesPerSecond));
    for (int f = 0; f <= frames; ++f) {
        attachedCam->transform.SetKey(f / kFramesPerSecond,
                                      vex::examples::HandHeldPose(f / kFramesPerSecond));
    }
    host.setPlaybackRange({0.0, kTakeSeconds});
    host.setCurrentTime(0.0);

    // Record: the count-down, then one tick per frame of (fake) wall-clock time.
    if (int result = core->StartRecording(); result != 0)
        return Fail("recording did not start: " + std::to_string(result));
    int ticks = 0;
    while (core->IsRecording() && core->GetTime() < kTakeSeconds) {
        clock.Advance(kTickMs);
        core->OnTimer(vex::orb::core::RecordManager::kRecordTimer, clock.Now());
        ++ticks;
    }
    core->StopRecording();
    std::printf("recorded %s: %d ticks (count-down of %d s included), %.2f s of take\n", name.c_str(), ticks,
                core->GetSettings().countdown, kTakeSeconds);
    const PathSeries attachedPath = Sample(scene, attached, "AttachedCam (hand-held)", 0xD03030);
    const PathSeries takePath = Sample(scene, follow, "FollowCam (recorded take)", 0x2060D0);

    // Re-simulate the whole range from the recorded inputs, slice by slice.
    if (int result = core->Resimulate(0.0, kTakeSeconds); result != 0)
        return Fail("re-simulation did not start: " + std::to_string(result));
    while (core->IsResimulating()) {
        clock.Advance(kTickMs);
        core->GetResimulationWindow()->OnTimer(vex::orb::core::ResimulationWindow::kSliceTimer, clock.Now());
    }
    const PathSeries resimulatedPath = Sample(scene, follow, "FollowCam (re-simulated)", 0x20A050);
    std::printf("re-simulated 0 to %.2f s: the FollowCam path differs from the take by at most %.3g m\n",
                kTakeSeconds, LargestDistance(takePath, resimulatedPath));

    std::string error;
    const std::string csv = out + "/take.csv";
    const std::string png = out + "/take.png";
    if (!vex::examples::WritePathCsv(csv, {attachedPath, takePath, resimulatedPath}, error))
        return Fail(error);
    if (!vex::examples::WritePathPlot(png,
                                      "RuzovuZediziViz: hand-held AttachedCam and the filtered FollowCam",
                                      {attachedPath, resimulatedPath}, 1200, 560, error))
        return Fail(error);
    std::printf("wrote %s and %s\n", csv.c_str(), png.c_str());
    return 0;
}
