// Speed of animation on the embedded host: keying the nine transform channels (tx .. sz) of 100 nodes
// at every frame through MFnAnimCurve, and reading them all back at every frame, through plugs in an
// MDGContext as the adaptor does when it re-reads a take, and through the curves alone. The frame count is
// the argument, so 1,000 and 10,000 frames show whether the cost grows linearly with the keys. The yardstick
// in the same run fills a std::vector with the same number of (time, value) keys.
#include "host/scene/Scene.h"

#include <benchmark/benchmark.h>
#include <maya/MDGContext.h>
#include <maya/MFnAnimCurve.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MPlug.h>
#include <maya/MTime.h>

#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kNodes = 100;
const char* const kChannels[] = {"tx", "ty", "tz", "rx", "ry", "rz", "sx", "sy", "sz"};
constexpr int kChannelCount = 9;

double Value(int frame, int curve) {
    return frame * 0.01 + curve;
}

// A new scene with kNodes transforms, a curve on each of their nine channels, and the plugs.
struct Rig {
    std::vector<MFnAnimCurve> curves;
    std::vector<MPlug> plugs;

    Rig() {
        vex::host::Scene::Instance().Reset();
        for (int n = 0; n < kNodes; ++n) {
            const MObject node = MFnDependencyNode().create("transform", MString("node") + n);
            for (const char* channel : kChannels) {
                plugs.push_back(MFnDependencyNode(node).findPlug(channel));
                curves.emplace_back();
                curves.back().create(plugs.back());
            }
        }
    }

    // One linear key per curve at every frame, frame after frame as a recording writes them.
    void Key(int frames) {
        for (int f = 0; f < frames; ++f) {
            const MTime t(f, MTime::kFilm);
            for (std::size_t c = 0; c < curves.size(); ++c)
                curves[c].addKey(t, Value(f, static_cast<int>(c)), MFnAnimCurve::kTangentLinear,
                                 MFnAnimCurve::kTangentLinear);
        }
    }
};

void SetKeys(benchmark::State& state, int frames) {
    state.SetItemsProcessed(state.iterations() * frames * kNodes * kChannelCount);
    state.counters["keys"] = static_cast<double>(frames) * kNodes * kChannelCount;
}

void BM_KeyNineChannels(benchmark::State& state) {
    const int frames = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        Rig rig;
        state.ResumeTiming();
        rig.Key(frames);
        benchmark::DoNotOptimize(rig.curves.data());
    }
    SetKeys(state, frames);
}
BENCHMARK(BM_KeyNineChannels)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// Reading back as the adaptor does: every plug at every frame in an MDGContext of that frame.
void BM_EvaluatePlugs(benchmark::State& state) {
    const int frames = static_cast<int>(state.range(0));
    Rig rig;
    rig.Key(frames);
    for (auto _ : state) {
        double sum = 0.0;
        for (int f = 0; f < frames; ++f) {
            const MDGContext context(MTime(f, MTime::kFilm));
            for (const MPlug& plug : rig.plugs) sum += plug.asDouble(context);
        }
        benchmark::DoNotOptimize(sum);
    }
    SetKeys(state, frames);
}
BENCHMARK(BM_EvaluatePlugs)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The curves alone: every curve evaluated at every frame through MFnAnimCurve.
void BM_EvaluateCurves(benchmark::State& state) {
    const int frames = static_cast<int>(state.range(0));
    Rig rig;
    rig.Key(frames);
    for (auto _ : state) {
        double sum = 0.0;
        for (int f = 0; f < frames; ++f) {
            const MTime t(f, MTime::kFilm);
            for (const MFnAnimCurve& curve : rig.curves) sum += curve.evaluate(t);
        }
        benchmark::DoNotOptimize(sum);
    }
    SetKeys(state, frames);
}
BENCHMARK(BM_EvaluateCurves)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The yardstick: the same number of (time, value) pairs appended to vectors, one per curve.
void BM_VectorFillBaseline(benchmark::State& state) {
    const int frames = static_cast<int>(state.range(0));
    for (auto _ : state) {
        std::vector<std::vector<std::pair<double, double>>> keys(kNodes * kChannelCount);
        for (int f = 0; f < frames; ++f)
            for (std::size_t c = 0; c < keys.size(); ++c)
                keys[c].emplace_back(f / 24.0, Value(f, static_cast<int>(c)));
        benchmark::DoNotOptimize(keys.data());
        benchmark::ClobberMemory();
    }
    SetKeys(state, frames);
}
BENCHMARK(BM_VectorFillBaseline)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
