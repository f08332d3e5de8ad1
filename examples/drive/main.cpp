// torva-drive: the four-wheeler end to end on the in-memory host. It generates rolling terrain,
// creates a 4-Vaviriv Idararer and rigs it onto the terrain as an animator does, drives it with a
// scripted gas pedal, steering wheel and skid brake through the real-time loop, re-simulates the take
// and writes the car's path as CSV and as a PNG plot. The loop runs on a fake clock, so the take takes
// no real time.

#include "core/CoreImplementation.h"
#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "core/ResimulationWindow.h"
#include "examples/common/PathSampling.h"
#include "examples/common/ProgramArguments.h"
#include "host/plot/PathCsv.h"
#include "host/plot/PathPlot.h"
#include "platform/qt/OffscreenSession.h"
#include "platform/win32/Clock.h"
#include "platform/win32/Files.h"
#include "platform/win32/Registry.h"
#include "plugins/carextended/ground/BulletGround.h"
#include "plugins/carextended/ground/GroundShapes.h"
#include "system/adaptors/memory/MemoryAdaptor.h"
#include "unidevice/Control.h"
#include "unidevice/ControlKind.h"
#include "unidevice/Property.h"
#include "util/NumberText.h"

#include <QApplication>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

namespace win32 = vex::platform::win32;
using vex::host::plot::PathSeries;
using vex::orb::adaptor::memory::MemoryAdaptor;
using vex::orb::adaptor::memory::MemoryScene;
using vex::orb::adaptor::memory::ShapeKind;
using vex::orb::core::CoreImplementation;

constexpr double kFramesPerSecond = 25.0;
constexpr double kTakeSeconds = 16.0;
constexpr win32::DWORD kTickMs = 40;

using vex::examples::LargestDistance;

// The transform's world position once per frame over the take.
PathSeries Sample(const MemoryScene& scene, const std::string& transform, const std::string& label,
                  unsigned rgb) {
    return vex::examples::SamplePath(scene, transform, label, rgb, kTakeSeconds, kFramesPerSecond);
}

int Fail(const std::string& what) {
    std::fprintf(stderr, "torva-drive: %s\n", what.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    const vex::examples::ProgramArguments arguments(
        argc, argv,
        "Usage: torva-drive [folder]\n"
        "Drives a four-wheeler over generated terrain on the in-memory host, records and re-simulates the\n"
        "take and writes the car's path into folder (\"drive\" when none is given).\n");
    if (arguments.ExitCode()) return *arguments.ExitCode();
    vex::platform::qt::BeginOffscreenSession();
    QApplication application(argc, argv);

    const std::string out = arguments.OperandOr("drive");
    if (!win32::MakeDirectories(out)) return Fail("cannot make the output folder " + out);
    win32::RegistrySetValue(win32::HKEY_CURRENT_USER,
                            "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                            "Personal", out + "/documents");

    win32::FakeClock clock;
    clock.Set(1000);
    MemoryAdaptor host(kFramesPerSecond);
    CoreImplementation* core = vex::orb::core::FindCore();
    if (core == nullptr) return Fail("the core did not start on the in-memory host");

    // Rolling hills of ±1.5 m over 400 m, 80,000 triangles, the car's ground.
    MemoryScene& scene = host.GetScene();
    const auto terrain = scene.Create("terrain", ShapeKind::kPolygonMesh);
    scene.Find(terrain)->mesh = vex::orb::addon::MakeTerrain(400.0, 200, 1.5, 3);

    const std::string car = core->CreateTool("4VeredevOro");
    vex::orb::core::Instance* instance = core->FindInstance(car);
    if (instance == nullptr) return Fail("the tool type 4VeredevOro is not registered");
    const std::string body = car + "_CarBodyMeshTransform";
    const std::string frontLeft = car + "_WheelMesh_FLTransform";
    const auto base = scene.FindByName(car + "_CarBodyBaseMeshTransform");
    const auto gravity = scene.FindByName(car + "_GravityDirectionMeshTransform");
    if (scene.FindByName(body) == vex::orb::adaptor::memory::kWorld ||
        base == vex::orb::adaptor::memory::kWorld || gravity == vex::orb::adaptor::memory::kWorld)
        return Fail(car + " did not build its rig");
    // The rig as an animator finishes it: the GravityDirectionMesh under the terrain makes the terrain the
    // car's ground, and the car stands on the hill under its start.
    if (!scene.Reparent(gravity, terrain))
        return Fail("cannot put the GravityDirectionMesh under the terrain");
    const auto caster = vex::orb::addon::BulletGround::Create({scene.Find(terrain)->mesh});
    vex::orb::addon::GroundHit hit;
    const vex::orb::addon::GroundRay down{{0.0, 100.0, 0.0}, {0.0, -1.0, 0.0}, 200.0};
    if (caster != nullptr) caster->Cast({&down, 1}, {&hit, 1});
    if (!hit.hit) return Fail("the terrain has no ground under the car");
    vex::util::Matrix<double> start = scene.Find(base)->transform.GetStatic();
    start.m[3][1] = hit.point.y;
    scene.Find(base)->transform.SetStatic(start);

    // The scripted driver: full gas after half a second, a slow slalom, the skid brake for the last 2 s.
    vex::unidevice::Control gas(nullptr, vex::unidevice::kAnyControl, 0.0);
    vex::unidevice::Control wheel(nullptr, vex::unidevice::kAnyControl, 0.0);
    vex::unidevice::Control skidBrake(nullptr, vex::unidevice::kAnyControl, 0.0);
    const struct {
        const char* channel;
        vex::unidevice::Control* control;
    } bindings[] = {{"Gas Pedal (Forw/Backw)", &gas},
                    {"Steering Wheel (Right/Left)", &wheel},
                    {"Skid Brake", &skidBrake}};
    for (const auto& binding : bindings) {
        vex::unidevice::Property* channel = instance->findInputChannel(binding.channel);
        if (channel == nullptr) return Fail(car + " lacks the channel " + binding.channel);
        channel->SetControl(binding.control);
    }
    const auto drive = [&](double t) {
        gas.setValue(t > 0.5 && t < kTakeSeconds - 2.0 ? 1.0 : 0.0);
        wheel.setValue(0.5 * std::sin(0.6 * t));
        skidBrake.setValue(t >= kTakeSeconds - 2.0 ? 1.0 : 0.0);
    };

    host.setPlaybackRange({0.0, kTakeSeconds});
    host.setCurrentTime(0.0);
    if (int result = core->StartRecording(); result != 0)
        return Fail("recording did not start: " + std::to_string(result));
    int ticks = 0;
    while (core->IsRecording() && core->GetTime() < kTakeSeconds) {
        drive(core->GetTime());
        clock.Advance(kTickMs);
        core->OnTimer(vex::orb::core::RecordManager::kRecordTimer, clock.Now());
        ++ticks;
    }
    core->StopRecording();
    const PathSeries take = Sample(scene, body, car + " body (take)", 0xD03030);
    const PathSeries wheelTake = Sample(scene, frontLeft, car + " front left wheel (take)", 0x2060D0);
    std::printf("recorded %s over %s s of terrain: %d ticks\n", car.c_str(),
                vex::util::FormatFixed(kTakeSeconds, 2).c_str(), ticks);

    if (int result = core->Resimulate(0.0, kTakeSeconds); result != 0)
        return Fail("re-simulation did not start: " + std::to_string(result));
    while (core->IsResimulating()) {
        clock.Advance(1000);
        core->GetResimulationWindow()->OnTimer(vex::orb::core::ResimulationWindow::kSliceTimer, clock.Now());
    }
    PathSeries resimulated = Sample(scene, body, car + " body (re-simulated)", 0xD03030);
    const PathSeries wheelPath = Sample(scene, frontLeft, car + " front left wheel", 0x2060D0);
    double length = 0.0;
    for (size_t i = 1; i < take.samples.size(); ++i) {
        const auto d = take.samples[i].position - take.samples[i - 1].position;
        length += std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    }
    std::printf("the car drove %s m; re-simulated, its body differs from the take by at most %s m\n",
                vex::util::FormatFixed(length, 1).c_str(),
                vex::util::FormatGeneral(LargestDistance(take, resimulated), 3).c_str());

    std::string error;
    const std::string csv = out + "/drive.csv";
    const std::string png = out + "/drive.png";
    if (!vex::host::plot::WritePathCsv(csv, {take, resimulated, wheelTake, wheelPath}, error))
        return Fail(error);
    resimulated.name = car + " body";
    if (!vex::host::plot::WritePathPlot(png, "A four-wheeler on generated hills, scripted pedal and wheel",
                                        {resimulated, wheelPath}, 1400, 560, error))
        return Fail(error);
    std::printf("wrote %s and %s\n", csv.c_str(), png.c_str());
    return 0;
}
