// The host window's viewport: how fast it draws a heavy scene, and whether the real-time loop keeps its
// pace while it draws.
//
//   BM_ViewportFrame/T      one frame of the viewport at 1280 x 720 (drawing and reading the picture
//                           back, as the widget shows it) of a scene of T triangles: 100 meshes of
//                           T / 100 triangles each (quads of a bumpy sheet), framed to fill the view.
//                           T = 0 draws the ground grid alone: the baseline of the ratios.
//                           "fps" is frames per second.
//   BM_TickPacing/T         the recording loop's timer (the core's TimerManager, one timer at 25 frames
//                           per second, 50 ticks) while each tick changes the scene and the viewport
//                           redraws between ticks, a scene of T triangles; -1 runs the same loop
//                           with no viewport at all (the baseline). "median_error_ms" is the median
//                           distance of the ticks from their 40 ms spacing; "max_error_ms" the worst;
//                           "frames_drawn" how many pictures the viewport drew meanwhile.
//
// OpenGL comes from the machine's driver (Mesa's software renderer llvmpipe where there is no GPU);
// ./torva.sh bench gives the offscreen platform an X display for it.
#include "core/TimerManager.h"
#include "host/gui/Viewport.h"
#include "host/scene/MeshData.h"
#include "host/scene/Scene.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <maya/MAnimControl.h>
#include <maya/MTime.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <vector>

namespace {

using vex::host::Scene;

QApplication& Application() {
    static int argc = 1;
    static char name[] = "viewport_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

// A sheet of `side` x `side` quads (2 triangles each) with a gentle bump, one unit across.
std::shared_ptr<vex::host::MeshData> Sheet(int side) {
    std::vector<MPoint> points;
    for (int j = 0; j <= side; ++j)
        for (int i = 0; i <= side; ++i) {
            const double x = static_cast<double>(i) / side, z = static_cast<double>(j) / side;
            points.emplace_back(x, 0.1 * std::sin(6.0 * x) * std::cos(6.0 * z), z);
        }
    std::vector<int> connects;
    for (int j = 0; j < side; ++j)
        for (int i = 0; i < side; ++i) {
            const int a = j * (side + 1) + i;
            connects.insert(connects.end(), {a, a + side + 1, a + side + 2, a + 1});
        }
    auto mesh = std::make_shared<vex::host::MeshData>();
    mesh->set(std::move(points), std::vector<int>(static_cast<std::size_t>(side) * side, 4),
              std::move(connects));
    return mesh;
}

// A new scene of 100 sheets in a 10 x 10 block with `triangles` triangles in all (none for 0).
void BuildScene(long triangles) {
    Scene& scene = Scene::Instance();
    scene.Reset();
    if (triangles <= 0) return;
    const int side = std::max(1, static_cast<int>(std::lround(std::sqrt(triangles / 100.0 / 2.0))));
    for (int k = 0; k < 100; ++k) {
        auto transform = scene.MakeNode("transform");
        scene.InsertNode(transform);
        scene.setValue(transform, transform->FindAttribute("translate"),
                       vex::host::Double3{1.2 * (k % 10) - 6.0, 0.0, 1.2 * (k / 10) - 6.0});
        auto shape = scene.MakeNode("mesh");
        scene.InsertNode(shape, transform);
        scene.setValue(shape, shape->FindAttribute("outMesh"), vex::host::DataPtr(Sheet(side)));
    }
}

std::unique_ptr<vex::host::gui::Viewport> MakeViewport() {
    Application();
    auto viewport = std::make_unique<vex::host::gui::Viewport>();
    viewport->resize(1280, 720);
    viewport->FrameAll();
    return viewport;
}

void BM_ViewportFrame(benchmark::State& state) {
    BuildScene(state.range(0));
    auto viewport = MakeViewport();
    if (viewport->render().isNull()) {
        state.SkipWithError("no OpenGL on this machine");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(viewport->render());
    state.counters["triangles"] = static_cast<double>(viewport->DrawList().TriangleCount());
    state.counters["fps"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ViewportFrame)->Arg(0)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The recording loop's timer: notes when each tick comes and, like a take, changes the scene.
class TickRecorder : public vex::orb::core::TimerManager {
public:
    using Clock = std::chrono::steady_clock;

    void OnTimer(int32_t, uint32_t) override {
        ticks.push_back(Clock::now());
        // As a take's tick does: the host's time moves on, and its message asks the viewport to draw.
        MAnimControl::setCurrentTime(MTime(static_cast<double>(ticks.size()), MTime::kPALFrame));
        if (ticks.size() == kTicks) QCoreApplication::exit();
    }

    static constexpr std::size_t kTicks = 50;
    std::vector<Clock::time_point> ticks;
};

void BM_TickPacing(benchmark::State& state) {
    const bool draw = state.range(0) >= 0;
    BuildScene(std::max<long>(state.range(0), 0));
    std::unique_ptr<vex::host::gui::Viewport> viewport;
    if (draw) {
        viewport = MakeViewport();
        viewport->show();
        if (viewport->render().isNull()) {
            state.SkipWithError("no OpenGL on this machine");
            return;
        }
    }
    Application();
    std::vector<double> errors;
    for (auto _ : state) {
        TickRecorder recorder;
        recorder.SetTimer(1, 0.04);
        QCoreApplication::exec();
        recorder.KillTimer(1);
        for (std::size_t i = 1; i < recorder.ticks.size(); ++i) {
            const double spacing =
                std::chrono::duration<double, std::milli>(recorder.ticks[i] - recorder.ticks[i - 1]).count();
            errors.push_back(std::abs(spacing - 40.0));
        }
    }
    std::sort(errors.begin(), errors.end());
    state.counters["median_error_ms"] = errors.empty() ? 0.0 : errors[errors.size() / 2];
    state.counters["max_error_ms"] = errors.empty() ? 0.0 : errors.back();
    if (viewport) {
        state.counters["triangles"] = static_cast<double>(viewport->DrawList().TriangleCount());
        state.counters["frames_drawn"] = static_cast<double>(viewport->FramesDrawn());
    }
}
BENCHMARK(BM_TickPacing)
    ->Arg(-1)
    ->Arg(0)
    ->Arg(100000)
    ->Arg(1000000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
