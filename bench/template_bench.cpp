// One step of many scripted tools: each of 100 template tools runs a trigger of 10 targets in every
// step, reading its input channel and its own values and writing five values of its own and five of
// another instance by id. The baseline computes the same 1,000 sums into plain arrays in the same
// run, so that the ratio between the two says what the scripting costs over the arithmetic.

#include "bench/BenchDocuments.h"
#include "core/CoreImplementation.h"
#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "core/Library.h"
#include "core/Plugin.h"
#include "core/plugins/TemplatePlugin.h"
#include "system/adaptors/memory/MemoryAdaptor.h"
#include "unidevice/Control.h"
#include "unidevice/ControlKind.h"
#include "unidevice/Property.h"
#include "util/xml/Element.h"

#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace {

using vex::orb::adaptor::memory::MemoryAdaptor;
using vex::orb::core::Instance;

constexpr double kFps = 25.0;
constexpr double kFrame = 1.0 / kFps;
constexpr int kTools = 100;
constexpr int kTargets = 10;
constexpr int kTakeFrames = 250;

// Target k writes value k: input × k plus its own value k; targets 5 to 9 write into "Bench_01".
std::string Document() {
    std::string text = "<orbtemplate><name>Bench</name><input><property><name>In</name><finite>1</finite>"
                       "<deadzone>0</deadzone></property></input><configuration><group label=\"Values\">";
    for (int k = 0; k < kTargets; ++k)
        text += "<spinner label=\"V" + std::to_string(k) + "\" min=\"-1e9\" max=\"1e9\">0</spinner>";
    text += "</group></configuration><logic><trigger type=\"step\">";
    for (int k = 0; k < kTargets; ++k) {
        const std::string id = std::to_string(k);
        const std::string external = k >= kTargets / 2 ? " external=\"Bench_01\"" : "";
        text += "<target id=\"" + id + "\"" + external + "><parameters><source type=\"property\" id=\"0\"/>" +
                "<source id=\"" + id +
                "\"/></parameters><script><add><mul><parameter>0</parameter><constant>" + id +
                "</constant></mul><parameter>1</parameter></add></script></target>";
    }
    return text + "</trigger></logic></orbtemplate>";
}

// The core on the in-memory host with kTools template tools, each input bound to a control.
class Session {
public:
    Session() {
        host_ = std::make_unique<MemoryAdaptor>(kFps);
        core = vex::orb::core::FindCore();
        if (core == nullptr) return;
        vex::util::xml::Element document;
        if (document.Parse(Document()) != vex::util::xml::kOk) return;
        auto* library = new vex::orb::core::Library("bench.prm", nullptr); // the library manager owns it
        vex::orb::core::Plugin::Register(*library,
                                         new vex::orb::core::plugins::TemplatePlugin(document, "bench.prm"));
        for (int i = 0; i < kTools; ++i) {
            Instance* instance = core->InstanceManager::FindInstance(core->CreateTool("Bench"));
            if (instance == nullptr) return;
            controls_.push_back(
                std::make_unique<vex::unidevice::Control>(nullptr, vex::unidevice::kAnyControl, 0.0));
            instance->findInputChannel("In")->SetControl(controls_.back().get());
            instances.push_back(instance);
        }
        ready_ = core->InstanceManager::FindInstance("Bench_01") != nullptr;
    }
    ~Session() {
        host_.reset(); // shuts the core down
        controls_.clear();
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    bool IsReady() const { return ready_; }
    void Begin() {
        host_->setCurrentTime(0.0);
        host_->prepareRecording(std::vector<vex::orb::core::NodeOwner*>(instances.begin(), instances.end()));
        for (Instance* instance : instances) instance->BeginRecord(0.0, false);
    }
    void End() {
        for (Instance* instance : instances) instance->EndRecord();
        host_->finishRecording();
        host_->clearUndo();
    }
    void Feed(int frame) {
        for (std::size_t i = 0; i < controls_.size(); ++i)
            controls_[i]->setValue(0.001 * double(frame + int(i)));
    }

    vex::orb::core::CoreImplementation* core = nullptr;
    std::vector<Instance*> instances;

private:
    BenchDocuments documents_{"torva-template-bench"};
    std::unique_ptr<MemoryAdaptor> host_;
    std::vector<std::unique_ptr<vex::unidevice::Control>> controls_;
    bool ready_ = false;
};

void BM_TemplateStep(benchmark::State& state) {
    Session session;
    if (!session.IsReady()) {
        state.SkipWithError("core or template unavailable");
        return;
    }
    session.Begin();
    int frame = 0;
    for (auto _ : state) {
        session.Feed(++frame);
        for (Instance* instance : session.instances) instance->Step(frame * kFrame);
        if (frame == kTakeFrames) {
            // A new take from 0 keeps the recorded values bounded.
            state.PauseTiming();
            session.End();
            session.Begin();
            frame = 0;
            state.ResumeTiming();
        }
    }
    session.End();
    state.SetItemsProcessed(state.iterations() * kTools * kTargets);
    state.counters["tools"] = kTools;
    state.counters["targets"] = kTools * kTargets;
}
BENCHMARK(BM_TemplateStep)->Unit(benchmark::kMicrosecond);

// The same sums: input × k plus the value, into each tool's own ten values and the first tool's.
void BM_TemplateStepBaseline(benchmark::State& state) {
    std::vector<std::array<double, kTargets>> values(kTools);
    std::vector<double> inputs(kTools);
    int frame = 0;
    for (auto _ : state) {
        ++frame;
        for (int i = 0; i < kTools; ++i) inputs[std::size_t(i)] = 0.001 * double(frame + i);
        for (int i = 0; i < kTools; ++i) {
            for (int k = 0; k < kTargets; ++k) {
                std::array<double, kTargets>& owner = k >= kTargets / 2 ? values[0] : values[std::size_t(i)];
                owner[std::size_t(k)] = inputs[std::size_t(i)] * k + owner[std::size_t(k)];
            }
        }
        benchmark::DoNotOptimize(values.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kTools * kTargets);
}
BENCHMARK(BM_TemplateStepBaseline)->Unit(benchmark::kMicrosecond);

} // namespace
