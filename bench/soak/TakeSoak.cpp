// torva-soak: a long take of many tool instances on the in-memory host, and what it costs.
//
//   1. One take of `--minutes` (60) of simulated time at 25 fps of `--instances` (100) instances of a
//      mix of camera, utility and ruler tools, every input channel driven by a slowly varying control,
//      one recording tick per frame of a fake clock. The memory in use before and after it is set
//      against the size of what the take recorded (host keys and recorded input values, counted
//      key by key), and the take is undone.
//   2. `--cycles` (10) takes of `--cycle-seconds` (60) each, each undone at once: the memory in use
//      after every undo must not grow from cycle to cycle.
//   3. `--pacing-seconds` (20) of a live take under the Qt event loop and the real clock: the
//      intervals the recording tick asks for and the ones it gets, against the frame duration.
//
// `--short` runs a few seconds of each (the CTest case); the program answers 1 when a check fails.
#include "bench/BenchDocuments.h"
#include "bench/soak/MemoryProbe.h"
#include "bench/soak/TickPacingProbe.h"
#include "core/CoreImplementation.h"
#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "interface/CCamera.h"
#include "platform/win32/Clock.h"
#include "system/adaptors/memory/MemoryAdaptor.h"
#include "unidevice/Control.h"
#include "unidevice/ControlKind.h"
#include "unidevice/Property.h"
#include "util/NumberText.h"

#include <QApplication>
#include <QTimer>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace win32 = vex::platform::win32;
using vex::orb::adaptor::memory::HostObject;
using vex::orb::adaptor::memory::KeyedValue;
using vex::orb::adaptor::memory::MemoryAdaptor;
using vex::orb::core::CoreImplementation;
using vex::orb::core::Instance;
using vex::orb::core::RecordManager;

constexpr double kFps = 25.0;
constexpr uint32_t kFrameMilliseconds = 40;
constexpr double kMiB = 1024.0 * 1024.0;

// The tools of the take, created in turn: cameras, utilities and rulers that key their nodes or
// record their input at every frame.
const char* const kTools[] = {"SphereCam",    "DirectInputLink", "1DPositioner", "RuzovuZediziViz",
                              "HumanizerCam", "DistanceRuler",   "LookAtCam",    "AutoZoomCam",
                              "ActiveScaler", "AngleRuler"};

struct Options {
    double minutes = 60.0;
    int instances = 100;
    int cycles = 10;
    double cycleSeconds = 60.0;
    double pacingSeconds = 20.0;
    // Memory held after the long take beyond the recorded data that still counts as overhead.
    double overheadMiB = 16.0;
    bool checkTakeSize = true;
    // Leave at once after the long take, with all of it still allocated: what a heap profiler then
    // reports as not freed is what the take holds, by the code that allocated it.
    bool exitAfterTake = false;
};

constexpr const char* kUsage =
    "Usage: torva-soak [--short] [--minutes M] [--instances N] [--cycles C] [--cycle-seconds S]\n"
    "                  [--pacing-seconds P] [--no-size-check] [--exit-after-take]\n";

std::optional<Options> ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const auto number = [&]() -> std::optional<double> {
            if (i + 1 >= argc) return std::nullopt;
            return vex::util::ParseNumber<double>(argv[++i]);
        };
        std::optional<double> value = 0.0;
        if (arg == "--short") {
            options = {0.5, 20, 10, 4.0, 0.0, 4.0, true, false};
        } else if (arg == "--no-size-check") {
            options.checkTakeSize = false;
        } else if (arg == "--exit-after-take") {
            options.exitAfterTake = true;
        } else if (arg == "--minutes") {
            value = number();
            if (value) options.minutes = *value;
        } else if (arg == "--instances") {
            value = number();
            if (value) options.instances = static_cast<int>(*value);
        } else if (arg == "--cycles") {
            value = number();
            if (value) options.cycles = static_cast<int>(*value);
        } else if (arg == "--cycle-seconds") {
            value = number();
            if (value) options.cycleSeconds = *value;
        } else if (arg == "--pacing-seconds") {
            value = number();
            if (value) options.pacingSeconds = *value;
        } else {
            value = std::nullopt;
        }
        if (!value) return std::nullopt;
    }
    return options;
}

// What a take left in the scene and in the instances: the host's keys and the recorded input values
// counted key by key at their in-memory size, and the tools' own per-frame records (the states a
// re-simulation starts from) at the size of their saved form, which is less than they hold in memory.
struct RecordedData {
    size_t transformKeys = 0;
    size_t lensKeys = 0;
    size_t inputValues = 0;
    size_t toolRecordBytes = 0;

    size_t KeyBytes() const {
        return transformKeys * sizeof(KeyedValue<vex::util::Matrix<double>>::Key) +
               lensKeys * sizeof(KeyedValue<double>::Key) +
               inputValues * sizeof(vex::util::AVar<double>::Key);
    }
    size_t Bytes() const { return KeyBytes() + toolRecordBytes; }
    size_t Keys() const { return transformKeys + lensKeys + inputValues; }
};

RecordedData CountRecorded(MemoryAdaptor& host, const std::vector<Instance*>& instances) {
    RecordedData data;
    auto& scene = host.GetScene();
    for (const auto id : scene.GetObjects()) {
        const HostObject* object = scene.Find(id);
        if (object == nullptr) continue;
        data.transformKeys += object->transform.GetKeys().size();
        data.lensKeys += object->fieldOfView.GetKeys().size() + object->focusDistance.GetKeys().size();
    }
    for (Instance* instance : instances) {
        for (int c = 0; c < instance->GetInputChannels().GetCount(); ++c)
            data.inputValues += static_cast<size_t>(instance->GetRecordedValues(c).GetKeyCount());
        instance->GetObject()->store();
        uint32_t size = 0;
        instance->getToolData(&size);
        data.toolRecordBytes += size;
        instance->clearToolData(); // the saved copy was made only to be measured
    }
    return data;
}

double MiB(size_t bytes) {
    return static_cast<double>(bytes) / kMiB;
}

// Signed difference of two byte counts, in MiB.
double DeltaMiB(size_t after, size_t before) {
    return (static_cast<double>(after) - static_cast<double>(before)) / kMiB;
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void PrintSample(const char* label, const MemorySample& sample) {
    std::printf("  %-28s in use %9.2f MiB  arena %9.2f MiB  VmRSS %9.2f MiB\n", label, MiB(sample.inUse),
                MiB(sample.arena), MiB(sample.resident));
}

// The core on the in-memory host with the instances of the take, each input channel bound to a
// control of its own.
class SoakScene {
public:
    explicit SoakScene(int count) {
        core = vex::orb::core::FindCore();
        if (core == nullptr) return;
        core->GetSettings().countdown = 0;
        for (int i = 0; i < count; ++i) {
            const std::string name = core->CreateTool(kTools[static_cast<size_t>(i) % std::size(kTools)]);
            Instance* instance = core->InstanceManager::FindInstance(name);
            if (instance == nullptr) return;
            instances.push_back(instance);
            for (int c = 0; c < instance->GetInputChannels().GetCount(); ++c) {
                controls_.push_back(
                    std::make_unique<vex::unidevice::Control>(nullptr, vex::unidevice::kAnyControl, 0.0));
                instance->GetInputChannels().GetProperty(c)->SetControl(controls_.back().get());
            }
        }
        ready_ = true;
    }
    ~SoakScene() { host_.reset(); } // shuts the core down while the controls still live
    SoakScene(const SoakScene&) = delete;
    SoakScene& operator=(const SoakScene&) = delete;

    bool IsReady() const { return ready_; }
    MemoryAdaptor& Host() { return *host_; }

    // Every control follows its own slow wave, as hands on sticks would.
    void MoveControls(double t) {
        for (size_t k = 0; k < controls_.size(); ++k)
            controls_[k]->setValue(0.8 * std::sin(0.3 * t + 0.7 * static_cast<double>(k)));
    }

    // A take from 0 of `seconds` of simulated time, one tick per frame of the fake clock; answers
    // the frames stepped.
    int RecordTake(double seconds) {
        win32::FakeClock clock(1000);
        Host().setPlaybackRange({0.0, seconds + 1.0});
        Host().setCurrentTime(0.0);
        if (core->StartRecording() != 0) return 0;
        const int frames = static_cast<int>(std::lround(seconds * kFps));
        for (int f = 0; f < frames; ++f) {
            MoveControls(f / kFps);
            clock.Advance(kFrameMilliseconds);
            core->OnTimer(RecordManager::kRecordTimer, clock.Now());
        }
        const int stepped = core->GetFrameIndex();
        core->StopRecording();
        return stepped;
    }

    CoreImplementation* core = nullptr;
    std::vector<Instance*> instances;

private:
    BenchDocuments documents_{"torva-soak"};
    std::vector<std::unique_ptr<vex::unidevice::Control>> controls_; // outlive the core's bindings
    std::unique_ptr<MemoryAdaptor> host_ = std::make_unique<MemoryAdaptor>(kFps);
    bool ready_ = false;
};

// Step 1: the long take, its size against the memory it holds, and its undo.
bool LongTake(SoakScene& scene, const Options& options) {
    const double seconds = options.minutes * 60.0;
    std::printf("long take: %d instances, %.0f s at 25 fps\n", static_cast<int>(scene.instances.size()),
                seconds);
    const RecordedData before = CountRecorded(scene.Host(), scene.instances);
    const MemorySample start = MemoryProbe::Sample();
    PrintSample("before the take", start);
    const auto began = std::chrono::steady_clock::now();
    const int frames = scene.RecordTake(seconds);
    const double took = SecondsSince(began);
    const MemorySample after = MemoryProbe::Sample();
    PrintSample("after the take", after);
    if (options.exitAfterTake) {
        std::fflush(stdout);
        _exit(0);
    }
    const RecordedData data = CountRecorded(scene.Host(), scene.instances);
    std::printf("  frames stepped %d in %.1f s of wall-clock time (%.0f x real time)\n", frames, took,
                seconds / took);
    std::printf("  recorded: %zu transform keys, %zu lens keys, %zu input values (%.2f MiB) and %.2f MiB of "
                "tool records = %.2f MiB of data\n",
                data.transformKeys - before.transformKeys, data.lensKeys - before.lensKeys,
                data.inputValues - before.inputValues, DeltaMiB(data.KeyBytes(), before.KeyBytes()),
                DeltaMiB(data.toolRecordBytes, before.toolRecordBytes),
                DeltaMiB(data.Bytes(), before.Bytes()));
    const double grown = DeltaMiB(after.inUse, start.inUse);
    const double recorded = DeltaMiB(data.Bytes(), before.Bytes());
    const double allowed = 1.10 * recorded + options.overheadMiB;
    std::printf("  memory in use grew %.2f MiB = %.2f x the recorded data (allowed: %.2f MiB, 1.1 x data + "
                "%.0f MiB)\n",
                grown, recorded > 0 ? grown / recorded : 0.0, allowed, options.overheadMiB);
    // The loop steps the frame after the clock's, so a take of N frame durations ends on frame N or
    // N + 1 as the sum of the clock's ticks rounds.
    const int expected = static_cast<int>(std::lround(seconds * kFps));
    bool ok = (frames == expected || frames == expected + 1) && data.Keys() > before.Keys();
    if (!ok) std::printf("  FAIL: the take did not step every frame or recorded nothing\n");
    if (grown > allowed) {
        std::printf("  %s: memory after the take exceeds the bound\n",
                    options.checkTakeSize ? "FAIL" : "note");
        if (options.checkTakeSize) ok = false;
    }

    const auto undoBegan = std::chrono::steady_clock::now();
    const bool undone = scene.Host().undo();
    const MemorySample afterUndo = MemoryProbe::Sample();
    PrintSample("after its undo", afterUndo);
    std::printf("  undo took %.2f s\n", SecondsSince(undoBegan));
    if (!undone || CountRecorded(scene.Host(), scene.instances).Keys() != before.Keys()) {
        std::printf("  FAIL: the undo did not take the recorded keys away\n");
        ok = false;
    }
    return ok;
}

// Step 2: takes undone at once; the memory in use after each undo must stay where it was.
bool UndoCycles(SoakScene& scene, const Options& options) {
    std::printf("take/undo cycles: %d x %.0f s\n", options.cycles, options.cycleSeconds);
    std::vector<size_t> inUse;
    std::vector<size_t> resident;
    size_t takeData = 0;
    bool ok = true;
    for (int c = 0; c < options.cycles; ++c) {
        const RecordedData before = CountRecorded(scene.Host(), scene.instances);
        scene.RecordTake(options.cycleSeconds);
        takeData = CountRecorded(scene.Host(), scene.instances).Bytes() - before.Bytes();
        if (!scene.Host().undo()) ok = false;
        const MemorySample sample = MemoryProbe::Sample();
        inUse.push_back(sample.inUse);
        resident.push_back(sample.resident);
    }
    // Noise: a few hundred kilobytes of allocator bookkeeping, or 2 % of one take's data.
    const double tolerance = std::max(0.25, 0.02 * MiB(takeData));
    std::printf("  one take's data %.2f MiB; tolerance %.2f MiB over the first cycle\n", MiB(takeData),
                tolerance);
    for (size_t c = 0; c < inUse.size(); ++c) {
        const double growth = DeltaMiB(inUse[c], inUse.front());
        std::printf("  after undo %2zu: in use %9.2f MiB (%+.3f)  VmRSS %9.2f MiB\n", c + 1, MiB(inUse[c]),
                    growth, MiB(resident[c]));
        if (growth > tolerance) ok = false;
    }
    if (!ok) std::printf("  FAIL: memory after undo grows from cycle to cycle\n");
    return ok;
}

struct Deviation {
    double mean = 0.0;
    double meanAbsolute = 0.0;
    double maxAbsolute = 0.0;
};

template <typename T>
Deviation DeviationFrom(const std::vector<T>& values, double target) {
    Deviation d;
    for (const T value : values) {
        const double off = static_cast<double>(value) - target;
        d.mean += off;
        d.meanAbsolute += std::fabs(off);
        d.maxAbsolute = std::max(d.maxAbsolute, std::fabs(off));
    }
    if (!values.empty()) {
        d.mean /= static_cast<double>(values.size());
        d.meanAbsolute /= static_cast<double>(values.size());
    }
    return d;
}

// Step 3: a live take under the event loop and the real clock, the tick's intervals watched.
bool TickPacing(SoakScene& scene, const Options& options) {
    if (options.pacingSeconds <= 0.0) return true;
    std::printf("tick pacing: a live take of %.0f s on the real clock\n", options.pacingSeconds);
    CoreImplementation& core = *scene.core;
    TickPacingProbe probe(static_cast<RecordManager&>(core), RecordManager::kRecordTimer);
    scene.Host().setPlaybackRange({0.0, options.pacingSeconds + 10.0});
    scene.Host().setCurrentTime(0.0);
    if (core.StartRecording() != 0) return false;
    const auto began = std::chrono::steady_clock::now();
    QTimer::singleShot(static_cast<int>(options.pacingSeconds * 1000.0), [&core] {
        core.StopRecording();
        QCoreApplication::quit();
    });
    QCoreApplication::exec();
    const double wall = SecondsSince(began);
    const double simulated = core.GetTime();
    scene.Host().undo();

    const double frame = 1000.0 / kFps;
    const Deviation achieved = DeviationFrom(probe.Achieved(), frame);
    std::vector<int> asked;
    for (const int interval : probe.Asked())
        if (interval >= 0) asked.push_back(interval);
    const Deviation askedOff = DeviationFrom(asked, frame);
    const int shortest = asked.empty() ? 0 : *std::min_element(asked.begin(), asked.end());
    std::printf(
        "  %zu ticks; achieved interval: mean %+.2f ms, mean |dev| %.2f ms, max |dev| %.2f ms from %.0f ms\n",
        probe.Achieved().size() + 1, achieved.mean, achieved.meanAbsolute, achieved.maxAbsolute, frame);
    std::printf("  asked interval: mean %+.2f ms, max |dev| %.2f ms, shortest %d ms\n", askedOff.mean,
                askedOff.maxAbsolute, shortest);
    std::printf("  simulated clock %.3f s over %.3f s of wall-clock time (drift %+.1f ms)\n", simulated, wall,
                (simulated - wall) * 1000.0);
    // The loop paces itself: on average a tick per frame duration, give or take a millisecond.
    const bool ok = !probe.Achieved().empty() && std::fabs(achieved.mean) < 1.0;
    if (!ok) std::printf("  FAIL: the ticks do not come once per frame on average\n");
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    const std::optional<Options> options = ParseOptions(argc, argv);
    if (argc > 1 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (!options) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);

    SoakScene scene(options->instances);
    if (!scene.IsReady()) {
        std::printf("FAIL: the core or a tool could not be created\n");
        return 1;
    }
    bool ok = LongTake(scene, *options);
    ok = UndoCycles(scene, *options) && ok;
    ok = TickPacing(scene, *options) && ok;
    std::printf("%s\n", ok ? "soak: all checks passed" : "soak: FAILED");
    return ok ? 0 : 1;
}
