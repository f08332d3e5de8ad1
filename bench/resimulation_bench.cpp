// Speed of the real-time loop with the camera and utility tools: the core runs on the in-memory host
// or, through the Maya adaptor, on the embedded Maya host, at 25 frames per second, each tool's input is
// driven over 10 s (keyed hand-held-like paths, or device controls held steady), and a take of it has been
// recorded.
//
//   BM_Resimulate/T/N      re-simulates the take of one instance of tool T over N frames, as the user
//                          starts it: RecordManager::Resimulate, then the progress window's slice
//                          timer. The fake clock stands still, so one slice steps the whole range.
//                          Items are frames; "x_realtime" is frames per second over 25. One
//                          benchmark over the table of tools below (identifier, driven output, setup).
//   BM_ResimulateMaya/T/N  the same through the Maya adaptor on the embedded host (time unit PAL), for
//                          RuzovuZediziViz and VodiDOva; each frame's buffered matrices become keys
//                          on the nine transform channels when the re-simulation ends.
//   BM_RealTimeStep        one frame of a recording with 1 or 50 RuzovuZediziViz instances:
//                          Instance::Step of every active instance at the frame's time, then the
//                          host's setCurrentTime, the work a recording tick does per frame apart from
//                          polling the devices.
//   BM_MotionFilterBaseline the yardstick: the same number of position and orientation spring steps
//                          (FilterTranslation and FilterRotation) on the same target path, in a
//                          plain loop with no core and no host.
//
// The documents folder (registry "Personal") points at a temporary folder while a benchmark runs,
// so the core's data folders and settings never reach the user's home.
#include "bench/BenchDocuments.h"
#include "core/CoreImplementation.h"
#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "core/ResimulationWindow.h"
#include "host/scene/CommandRegistry.h"
#include "host/scene/Scene.h"
#include "host/scene/UndoQueue.h"
#include "platform/win32/Clock.h"
#include "plugins/carextended/ground/GroundShapes.h"
#include "plugins/directinputlink/CLinkToolObject.h"
#include "plugins/gyro/CGyroCam.h"
#include "plugins/lookatcam/CLookAtCamObject.h"
#include "plugins/ruzovuzediziviz/MotionFilter.h"
#include "plugins/sinusoid/CSinusoidObject.h"
#include "plugins/spherecam/CSphereCamObject.h"
#include "plugins/storedstates/CStateToolObject.h"
#include "system/adaptors/maya/MayaAdaptorInterface.h"
#include "system/adaptors/maya/TorvaUndoWrapperII.h"
#include "system/adaptors/maya/UndoManagement.h"
#include "system/adaptors/memory/MemoryAdaptor.h"
#include "unidevice/Control.h"
#include "unidevice/ControlKind.h"
#include "unidevice/Property.h"
#include "util/Rotation.h"

#include <benchmark/benchmark.h>
#include <maya/MTime.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

namespace win32 = vex::platform::win32;
using vex::orb::adaptor::maya::MayaAdaptorInterface;
using vex::orb::adaptor::maya::TorvaUndoWrapperII;
using vex::orb::adaptor::maya::UndoManagement;
using vex::orb::adaptor::memory::MemoryAdaptor;
using vex::orb::addon::FilterRotation;
using vex::orb::addon::FilterTranslation;
using vex::orb::addon::SpringSettings;
using vex::orb::core::AdaptorInterface;
using vex::orb::core::CoreImplementation;
using vex::orb::core::Instance;
using vex::orb::core::ResimulationWindow;
using Matrix = vex::util::Matrix<double>;
using Quat = vex::util::Quat<double>;
using V = vex::util::Vector3<double>;

constexpr double kFps = 25.0;
constexpr double kFrame = 1.0 / kFps;
// The keyed path, and the take recorded over it: 10 s.
constexpr int kTakeFrames = 250;

// The AttachedCam of a hand-held camera: a slow walk along a curve with a little bob and shake in
// position and orientation, keyed at every frame. Each seed gives another path.
std::vector<Matrix> HandHeldPath(unsigned seed) {
    std::mt19937 random(seed);
    std::normal_distribution<double> shake(0.0, 1.0);
    std::vector<Matrix> path;
    const double phase = 0.37 * seed;
    for (int f = 0; f <= kTakeFrames; ++f) {
        const double t = f * kFrame;
        const V angles{0.02 * std::sin(1.3 * t + phase) + 0.004 * shake(random),
                       0.3 * std::sin(0.2 * t + phase) + 0.004 * shake(random),
                       0.01 * std::sin(2.1 * t) + 0.003 * shake(random)};
        Matrix m = vex::util::EulerXYZToMatrix(angles);
        m.m[3][0] = 1.2 * t + 0.01 * shake(random);
        m.m[3][1] = 1.6 + 0.03 * std::sin(2.0 * 3.14159265358979 * 1.8 * t) + 0.005 * shake(random);
        m.m[3][2] = 2.0 * std::sin(0.15 * t + phase) + 0.01 * shake(random);
        path.push_back(m);
    }
    return path;
}

class Session;

// A tool of the benchmark: the identifier the core creates it by, the scene node that carries what it
// computes (the part of "<instance>_<node>Transform"), and the setup that drives its input over the
// take. `seed` gives each instance its own path.
struct ToolCase {
    const char* identifier;
    const char* output;
    bool (*setup)(Session& session, Instance& instance, unsigned seed);
};

// The host the core runs on.
enum class HostKind { kMemory, kMaya };

// The core on a host with `count` instances of a tool, each set up to be driven over the take, the
// documents folder in a temporary folder.
class Session {
public:
    Session(int count, const ToolCase& tool, HostKind kind = HostKind::kMemory) : tool_(tool), kind_(kind) {
        if (kind_ == HostKind::kMemory) {
            // The memory host records from prepareRecording to finishRecording, which the keying
            // and the core's loop call; the Maya adaptor asks the core.
            memory_ = std::make_unique<MemoryAdaptor>(kFps);
            host = memory_.get();
        } else {
            vex::host::Scene::Instance().Reset();
            vex::host::UndoQueue::get().Flush();
            MTime::setUIUnit(MTime::kPALFrame);
            vex::host::CommandRegistry::get().Add(TorvaUndoWrapperII::kName, &TorvaUndoWrapperII::Creator,
                                                  "resimulation_bench");
            MayaAdaptorInterface::Instance().SetCoreRecordingQuery(
                [this] { return keying_ || (core != nullptr && core->IsRecording()); });
            host = &MayaAdaptorInterface::Instance();
        }
        core = vex::orb::core::FindCore();
        if (core == nullptr) return;
        core->GetSettings().countdown = 0;
        host->setPlaybackRange({0.0, 1000.0});
        for (int i = 0; i < count; ++i) {
            const std::string name = core->CreateTool(tool.identifier);
            Instance* instance = core->InstanceManager::FindInstance(name);
            if (instance == nullptr || !tool.setup(*this, *instance, static_cast<unsigned>(i + 1))) return;
            instances.push_back(instance);
        }
        ready_ = true;
    }
    ~Session() {
        // Destroying the adaptor shuts the core down.
        if (kind_ == HostKind::kMemory) {
            memory_.reset();
        } else {
            MayaAdaptorInterface::DestroyInstance();
            UndoManagement::DestroyInstance();
            vex::host::UndoQueue::get().Flush();
            vex::host::CommandRegistry::get().remove(TorvaUndoWrapperII::kName);
        }
        controls_.clear();
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    bool IsReady() const { return ready_; }

    // The scene node `node` of `instance`, or null.
    vex::orb::core::CoreNode* Node(Instance& instance, const std::string& node) {
        return host->findNode(&instance, node);
    }

    // Keys `node` of `instance` with the hand-held path of `seed` at every frame of the take, as a
    // recording would write it.
    bool KeyHandHeld(Instance& instance, const std::string& node, unsigned seed) {
        return KeyPath(instance, node, HandHeldPath(seed));
    }

    // Keys `node` of `instance` with `path` (a matrix per frame of the take), as a recording would.
    bool KeyPath(Instance& instance, const std::string& node, const std::vector<Matrix>& path) {
        vex::orb::core::CoreNode* target = Node(instance, node);
        if (target == nullptr) return false;
        keying_ = true;
        host->setCurrentTime(0.0);
        host->prepareRecording({&instance});
        for (int f = 0; f <= kTakeFrames; ++f) {
            auto* snapshot =
                static_cast<vex::orb::core::CoreNode::Snapshot*>(target->getSnapshot(f * kFrame));
            snapshot->setMatrix(path[static_cast<size_t>(f)]);
            snapshot->inUse = false;
        }
        host->finishRecording();
        keying_ = false;
        ForgetUndo();
        return true;
    }

    // Binds a control of the session's own to the input channel `channel` of `instance` and holds it
    // at `value`.
    bool HoldChannel(Instance& instance, const char* channel, double value) {
        vex::unidevice::Property* property = instance.findInputChannel(channel);
        if (property == nullptr) return false;
        controls_.push_back(
            std::make_unique<vex::unidevice::Control>(nullptr, vex::unidevice::kAnyControl, 0.0));
        property->SetControl(controls_.back().get());
        controls_.back()->setValue(value);
        return true;
    }

    // Records a take of every instance from 0 to the end of the path, one recording tick per frame
    // of the fake clock, and forgets its undo.
    bool RecordTake(win32::FakeClock& clock) {
        host->setCurrentTime(0.0);
        if (core->StartRecording() != 0) return false;
        for (int f = 0; f < kTakeFrames; ++f) {
            clock.Advance(40);
            core->OnTimer(vex::orb::core::RecordManager::kRecordTimer, clock.Now());
        }
        core->StopRecording();
        ForgetUndo();
        return true;
    }

    // Empties the host's undo, which would pile up over the runs otherwise.
    void ForgetUndo() {
        host->clearUndo();
        if (kind_ == HostKind::kMaya) vex::host::UndoQueue::get().Flush();
    }

    // Where the output node of instance `index` puts its local point (1, 1, 1) in the world at `t`.
    V OutputAt(size_t index, double t) {
        vex::orb::core::CoreNode* node = Node(*instances[index], tool_.output);
        if (node == nullptr) return {};
        auto* snapshot = static_cast<vex::orb::core::CoreNode::Snapshot*>(node->getSnapshot(t));
        Matrix m;
        snapshot->getWorldMatrix(m);
        snapshot->inUse = false;
        // The output's local point (1, 1, 1), so that turning and scaling count as motion too.
        const auto at = [&m](int axis) { return m.m[0][axis] + m.m[1][axis] + m.m[2][axis] + m.m[3][axis]; };
        return {at(0), at(1), at(2)};
    }

    AdaptorInterface* host = nullptr;
    CoreImplementation* core = nullptr;
    std::vector<Instance*> instances;

private:
    const ToolCase& tool_;
    HostKind kind_;
    std::unique_ptr<MemoryAdaptor> memory_;
    bool keying_ = false;
    BenchDocuments documents_{"torva-resimulation-bench"};
    std::vector<std::unique_ptr<vex::unidevice::Control>> controls_; // outlive the core's bindings
    bool ready_ = false;
};

// RuzovuZediziViz and VuzaZaderaRav: the FollowCam follows an AttachedCam keyed with a hand-held path,
// with the tool's default settings.
bool SetUpFollowCam(Session& session, Instance& instance, unsigned seed) {
    return session.KeyHandHeld(instance, "AttachedCam", seed);
}

// Gyro: pivot and eye each keyed with a hand-held path, the gyro enabled, restricted to pitch, with
// the eye's z position cloned.
bool SetUpGyro(Session& session, Instance& instance, unsigned seed) {
    auto* gyro = dynamic_cast<vex::orb::addon::CGyroCam*>(instance.GetObject());
    if (gyro == nullptr) return false;
    gyro->enableGyro = true;
    gyro->restrictionIndex = 1;
    gyro->clonePosition[2] = true;
    return session.KeyHandHeld(instance, "pivot", seed) && session.KeyHandHeld(instance, "eye", seed + 100);
}

// VodiDOva: flown by its device channels, held steady over the take: forward force 0.9, yaw force
// -0.7 and the airplane brake fully on, so the body accelerates, turns and settles to a brake-limited
// speed, as with a pilot holding the stick.
bool SetUpVodiDOva(Session& session, Instance& instance, unsigned /*seed*/) {
    return session.HoldChannel(instance, "Forw/Backw Force", 0.9) &&
           session.HoldChannel(instance, "Yaw Force (Right/Left)", -0.7) &&
           session.HoldChannel(instance, "Airplane Brake", 1.0);
}

// Sinusoid: the reference node keyed with a hand-held path, amplitude 2, angular frequency 3, response
// factor 0.1.
bool SetUpSinusoid(Session& session, Instance& instance, unsigned seed) {
    auto* sinusoid = dynamic_cast<vex::orb::addon::CSinusoidObject*>(instance.GetObject());
    if (sinusoid == nullptr) return false;
    sinusoid->userAmplitude = 2.0;
    sinusoid->userFrequency = 3.0;
    sinusoid->responseFactor = 0.1;
    return session.KeyHandHeld(instance, "Reference Node", seed);
}

// DirivodaRez: flown forward at 0.8 while yawing at 0.5, with the walk cycle and the camera shake held,
// so every part of the flight runs in each sub-step.
bool SetUpDirivodaRez(Session& session, Instance& instance, unsigned /*seed*/) {
    return session.HoldChannel(instance, "Forw/Backw Speed", 0.8) &&
           session.HoldChannel(instance, "Yaw Speed (Right/Left)", 0.5) &&
           session.HoldChannel(instance, "Walk Cycle Amplitude", 1.0) &&
           session.HoldChannel(instance, "Cam Shaker Amplitude", 1.0);
}

// SphereCam: turned around its resting target by longitude 0.8, latitude 0.3 and radius -0.2 held
// steady, with gyro mode on.
bool SetUpSphereCam(Session& session, Instance& instance, unsigned /*seed*/) {
    auto* sphere = dynamic_cast<vex::orb::addon::CSphereCamObject*>(instance.GetObject());
    if (sphere == nullptr) return false;
    sphere->gyroMode = true;
    return session.HoldChannel(instance, "Longitude (Right/Left)", 0.8) &&
           session.HoldChannel(instance, "Latitude (Up/Down)", 0.3) &&
           session.HoldChannel(instance, "Radius (Out/In)", -0.2);
}

// MultiStateCam and StateMachine: state 3 stored away from the start and chosen by its channel held
// down from the first frame, so the current node glides there with the default response.
bool SetUpStateTool(Session& session, Instance& instance, unsigned seed) {
    auto* tool = dynamic_cast<vex::orb::addon::CStateToolObject*>(instance.GetObject());
    if (tool == nullptr) return false;
    tool->states.Store(3, {V{4.0 + seed, 2.0, -6.0}, vex::util::EulerXYZToQuat(V{0.3, -1.1, 0.2})});
    return session.HoldChannel(instance, "State 3", 1.0);
}

// RayCaster: the origin keyed with a hand-held path turned to look down from 3 m above it, cast on
// rolling terrain parented under the surface child, with the fast ray caster.
bool SetUpRayCaster(Session& session, Instance& instance, unsigned seed) {
    vex::orb::core::CoreNode* child = session.Node(instance, "HitSurfaceChild");
    if (child == nullptr ||
        session.host->createMesh(nullptr, "BenchTerrain", child,
                                 vex::orb::addon::MakeTerrain(60.0, 30, 1.5, seed), nullptr) == nullptr)
        return false;
    const Matrix down = vex::util::EulerXYZToMatrix(V{-1.5707963267948966, 0.0, 0.0});
    std::vector<Matrix> path = HandHeldPath(seed);
    for (Matrix& m : path) {
        const V at{m.m[3][0], m.m[3][1] + 3.0, m.m[3][2]};
        m = down * m;
        m.m[3][0] = at.x;
        m.m[3][1] = at.y;
        m.m[3][2] = at.z;
    }
    return session.KeyPath(instance, "RayOrigin", path);
}

// DirectInputLink: forward, right and yaw held, the forward channel integrated and the roll latched,
// so every stage of the channel shaping runs.
bool SetUpDirectInputLink(Session& session, Instance& instance, unsigned /*seed*/) {
    auto* link = dynamic_cast<vex::orb::addon::CLinkToolObject*>(instance.GetObject());
    if (link == nullptr) return false;
    link->settings[0].integrate = true;
    link->settings[5].keepTrinaryState = true;
    return session.HoldChannel(instance, "Forw/Backw Transl", 0.8) &&
           session.HoldChannel(instance, "Right/Left Transl", -0.4) &&
           session.HoldChannel(instance, "Yaw (Right/Left)", 0.5) &&
           session.HoldChannel(instance, "Roll (Right/Left)", 1.0);
}

// The 1D tools: their first channel held, integrated.
bool SetUpOneDimensional(Session& session, Instance& instance, unsigned /*seed*/) {
    auto* link = dynamic_cast<vex::orb::addon::CLinkToolObject*>(instance.GetObject());
    if (link == nullptr) return false;
    link->settings[0].integrate = true;
    return session.HoldChannel(instance, link->ChannelNames()[0], 0.7);
}

// HumanizerCam: the camera keyed with a hand-held path (its rest pose the path's first frame) shakes
// with the default hand-held settings, its amplitude channel held at 0.5.
bool SetUpHumanizerCam(Session& session, Instance& instance, unsigned seed) {
    return session.KeyHandHeld(instance, "HumanizerCam", seed) &&
           session.HoldChannel(instance, "Shake Amplitude", 0.5);
}

// LookAtCam: the camera keyed with a hand-held path turns to its resting target with an aim response
// factor of 0.2, its focus offset held at 0.3.
bool SetUpLookAtCam(Session& session, Instance& instance, unsigned seed) {
    auto* lookAt = dynamic_cast<vex::orb::addon::CLookAtCamObject*>(instance.GetObject());
    if (lookAt == nullptr) return false;
    lookAt->settings.aimResponseFactor = 0.2;
    return session.KeyHandHeld(instance, "LookAtCam", seed) &&
           session.HoldChannel(instance, "Focus Offset (Far/Near)", 0.3);
}

// AutoZoomCam: the camera keyed with a hand-held path zooms on its resting target and aims at it, its
// framing channel held at 0.2.
bool SetUpAutoZoomCam(Session& session, Instance& instance, unsigned seed) {
    return session.KeyHandHeld(instance, "AutoZoomCam", seed) &&
           session.HoldChannel(instance, "Picture Width (Wider/Narrower)", 0.2);
}

// ZoomAndFocusCam: target 2 keyed with a hand-held path, the focus pulled to 0.7 of the way to it and
// the zoom held at 0.4.
bool SetUpAutoFocusCam(Session& session, Instance& instance, unsigned seed) {
    return session.KeyHandHeld(instance, "Target_2", seed) &&
           session.HoldChannel(instance, "Focal Position (Target 1/2)", 0.7) &&
           session.HoldChannel(instance, "Zoom (In/Out)", 0.4);
}

const ToolCase kTools[] = {
    {"RuzovuZediziViz", "FollowCam", SetUpFollowCam},
    {"VuzaZaderaRav", "FollowCam", SetUpFollowCam},
    {"Gyro", "gyro", SetUpGyro},
    {"VodiDOva", "VodiDOva", SetUpVodiDOva},
    {"Sinusoid", "SinusNode", SetUpSinusoid},
    {"DirivodaRez", "DirivodaRez", SetUpDirivodaRez},
    {"SphereCam", "SphereCam", SetUpSphereCam},
    {"MultiStateCam", "CurrentState", SetUpStateTool},
    {"StateMachine", "CurrentState", SetUpStateTool},
    {"RayCaster", "RayHit", SetUpRayCaster},
    {"DirectInputLink", "DirectInputLink", SetUpDirectInputLink},
    {"1DPositioner", "Positioner", SetUpOneDimensional},
    {"1DRotator", "Rotator", SetUpOneDimensional},
    {"ActiveScaler", "Scaler", SetUpOneDimensional},
    {"HumanizerCam", "HumanizerCam", SetUpHumanizerCam},
    {"LookAtCam", "LookAtCam", SetUpLookAtCam},
    {"AutoZoomCam", "AutoZoomCam", SetUpAutoZoomCam},
    {"ZoomAndFocusCam", "CurrentFocalPoint", SetUpAutoFocusCam},
};
const ToolCase& kFollowCamTool = kTools[0];

void BM_Resimulate(benchmark::State& state, const ToolCase& tool, HostKind kind) {
    const int frames = static_cast<int>(state.range(0));
    win32::FakeClock clock(1000);
    Session session(1, tool, kind);
    if (!session.IsReady() || !session.RecordTake(clock)) {
        state.SkipWithError("core, tool or recording unavailable");
        return;
    }
    CoreImplementation& core = *session.core;
    const double end = frames * kFrame;
    // The re-simulation must repeat the recorded take, and the take must move the output; otherwise
    // the loop measures something else.
    std::vector<V> recorded;
    for (int f = 0; f <= frames; ++f) recorded.push_back(session.OutputAt(0, f * kFrame));
    const V moved{recorded.back().x - recorded.front().x, recorded.back().y - recorded.front().y,
                  recorded.back().z - recorded.front().z};
    if (std::fabs(moved.x) + std::fabs(moved.y) + std::fabs(moved.z) < 1e-6) {
        state.SkipWithError("the take leaves the output at rest");
        return;
    }

    for (auto _ : state) {
        if (core.Resimulate(0.0, end) != 0) {
            state.SkipWithError("re-simulation refused");
            break;
        }
        core.GetResimulationWindow()->OnTimer(ResimulationWindow::kSliceTimer, clock.Now());
        state.PauseTiming();
        if (core.IsResimulating()) state.SkipWithError("re-simulation did not finish in one slice");
        session.ForgetUndo();
        state.ResumeTiming();
    }

    for (int f = 1; f <= frames; ++f) {
        const V again = session.OutputAt(0, f * kFrame);
        const V& first = recorded[static_cast<size_t>(f)];
        if (std::fabs(again.x - first.x) + std::fabs(again.y - first.y) + std::fabs(again.z - first.z) >
            1e-9) {
            state.SkipWithError("re-simulation differs from the recorded take");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * frames);
    state.counters["x_realtime"] = benchmark::Counter(static_cast<double>(state.iterations()) * frames / kFps,
                                                      benchmark::Counter::kIsRate);
}
const bool kResimulateRegistered = [] {
    for (const ToolCase& tool : kTools)
        benchmark::RegisterBenchmark((std::string("BM_Resimulate/") + tool.identifier).c_str(), BM_Resimulate,
                                     tool, HostKind::kMemory)
            ->Arg(25)
            ->Arg(kTakeFrames)
            ->Unit(benchmark::kMicrosecond);
    for (const ToolCase* tool : {&kTools[0], &kTools[3]})
        benchmark::RegisterBenchmark((std::string("BM_ResimulateMaya/") + tool->identifier).c_str(),
                                     BM_Resimulate, *tool, HostKind::kMaya)
            ->Arg(25)
            ->Arg(kTakeFrames)
            ->Unit(benchmark::kMicrosecond);
    return true;
}();

void BM_RealTimeStep(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    win32::FakeClock clock(1000);
    Session session(count, kFollowCamTool);
    if (!session.IsReady()) {
        state.SkipWithError("core or tool unavailable");
        return;
    }
    CoreImplementation& core = *session.core;
    AdaptorInterface& host = *session.host;
    const auto start = [&] {
        host.setCurrentTime(0.0);
        return core.StartRecording() == 0 && core.GetActiveInstances().size() == static_cast<size_t>(count);
    };
    if (!start()) {
        state.SkipWithError("recording refused");
        return;
    }

    int frame = 0;
    for (auto _ : state) {
        const double t = ++frame * kFrame;
        for (Instance* instance : core.GetActiveInstances()) instance->Step(t);
        host.setCurrentTime(t);
        if (frame == kTakeFrames) {
            // The take is over: a new one starts from 0, so the keys and the undo stay bounded.
            state.PauseTiming();
            core.StopRecording();
            host.clearUndo();
            frame = 0;
            if (!start()) state.SkipWithError("recording refused");
            state.ResumeTiming();
        }
    }
    core.StopRecording();
    state.SetItemsProcessed(state.iterations() * count);
    state.counters["instances"] = count;
}
BENCHMARK(BM_RealTimeStep)->Arg(1)->Arg(50)->Unit(benchmark::kMicrosecond);

// The target path of the filters: the AttachedCam's positions and orientations at every frame.
struct Targets {
    std::vector<V> positions;
    std::vector<Quat> rotations;
};

Targets TargetPath(unsigned seed) {
    Targets targets;
    for (const Matrix& m : HandHeldPath(seed)) {
        const auto q = vex::util::ToQTransform(m);
        targets.positions.push_back(q.translation);
        targets.rotations.push_back(q.rotation);
    }
    return targets;
}

// `steps` spring steps per iteration: Arg 25 and 250 match BM_Resimulate (one instance over that
// many frames), Arg 50 matches one BM_RealTimeStep of 50 instances (one step each, on 50 paths).
void BM_MotionFilterBaseline(benchmark::State& state) {
    const int steps = static_cast<int>(state.range(0));
    const bool perInstance = steps == 50;
    std::vector<Targets> paths;
    for (int i = 0; i < (perInstance ? steps : 1); ++i)
        paths.push_back(TargetPath(static_cast<unsigned>(i + 1)));
    // The FollowCam's default settings.
    const SpringSettings settings{30.0, 5.0, 0.0};
    std::vector<V> positions(paths.size()), velocities(paths.size()), angular(paths.size());
    std::vector<Quat> rotations(paths.size());

    int frame = 0;
    for (auto _ : state) {
        if (perInstance) {
            frame = frame % kTakeFrames + 1;
            for (size_t i = 0; i < paths.size(); ++i) {
                FilterTranslation(positions[i], velocities[i], paths[i].positions[frame], settings, kFrame);
                FilterRotation(rotations[i], angular[i], paths[i].rotations[frame], settings, kFrame);
            }
        } else {
            for (int f = 1; f <= steps; ++f) {
                const size_t k = static_cast<size_t>(f % (kTakeFrames + 1));
                FilterTranslation(positions[0], velocities[0], paths[0].positions[k], settings, kFrame);
                FilterRotation(rotations[0], angular[0], paths[0].rotations[k], settings, kFrame);
            }
        }
        benchmark::DoNotOptimize(positions.data());
        benchmark::DoNotOptimize(rotations.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * steps);
    if (!perInstance)
        state.counters["x_realtime"] = benchmark::Counter(
            static_cast<double>(state.iterations()) * steps / kFps, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MotionFilterBaseline)->Arg(25)->Arg(kTakeFrames)->Arg(50)->Unit(benchmark::kMicrosecond);

} // namespace
