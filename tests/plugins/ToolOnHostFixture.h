#pragma once

#include "core/CoreImplementation.h"
#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "core/configadaptor/Node.h"
#include "core/configadaptor/Root.h"
#include "tests/core/ToolTestSupport.h"
#include "tests/plugins/HostUnderTest.h"
#include "tests/plugins/LoopTakeSupport.h"
#include "unidevice/Control.h"
#include "unidevice/ControlKind.h"
#include "unidevice/Property.h"
#include "util/Matrix.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vex::orb::core::test {

/// A compiled-in tool created through the core on a host under test at 25 frames per second; the
/// test's parameter says which host. The host keys what the tool writes only while the core
/// records, as it does in a real session; the fixture's run helpers stand in for the record loop
/// and count as recording while they drive. `Object` is the tool object the instance holds; the
/// tool is created by `toolName` and its nodes are named `<prefix>_<node>Transform`.
template <class Object>
class ToolOnHost : public RegistryTest, public testing::WithParamInterface<HostKind> {
protected:
    static constexpr double kFrame = 1.0 / 25.0;

    ToolOnHost(std::string toolName, std::string instanceName)
        : toolName_(std::move(toolName)), instanceName_(std::move(instanceName)) {}

    void SetUp() override {
        RegistryTest::SetUp();
        host_ = MakeHostUnderTest(GetParam());
        core_ = FindCore();
        ASSERT_NE(core_, nullptr);
        instance_ = core_->FindInstance(core_->CreateTool(toolName_));
        ASSERT_NE(instance_, nullptr);
        tool_ = dynamic_cast<Object*>(instance_->GetObject());
        ASSERT_NE(tool_, nullptr);
    }
    void TearDown() override {
        host_.reset();
        RegistryTest::TearDown();
    }

    // Binds a new control of any kind to the input channel `name`; the test sets its value.
    unidevice::Control& Bind(const char* name) {
        controls_.push_back(std::make_unique<unidevice::Control>(nullptr, unidevice::kAnyControl, 0.0));
        instance_->findInputChannel(name)->SetControl(controls_.back().get());
        return *controls_.back();
    }

    // The host name of the instance's node `node`.
    std::string Name(const std::string& node) const { return instanceName_ + "_" + node + "Transform"; }
    util::Matrix<double> World(const std::string& node, double t) { return host_->World(Name(node), t); }
    util::Matrix<double> Local(const std::string& node, double t) { return host_->Local(Name(node), t); }
    HostKeys KeysOf(const std::string& node) { return host_->Keys(Name(node)); }
    void SetKey(const std::string& node, double t, const util::Matrix<double>& local) {
        host_->SetKey(Name(node), t, local);
    }

    // The tool object of a fresh instance of this tool with the configuration profile `profile` loaded
    // through the core; a failure is reported and answers null.
    Object* CreateWithProfile(const std::string& profile) {
        const std::string name = core_->CreateTool(toolName_);
        if (!core_->LoadProfile(name, profile)) {
            ADD_FAILURE() << profile << " does not load";
            return nullptr;
        }
        return dynamic_cast<Object*>(core_->FindInstance(name)->GetObject());
    }

    using Loaded = std::unique_ptr<Object, void (*)(Object*)>;
    // Another tool object of the same instance that reads the saved state back.
    Loaded Reload() {
        Loaded loaded(new Object({nullptr, instanceName_}), [](Object* object) { object->release(); });
        loaded->core = instance_;
        return loaded;
    }

    using Keys = HostKeys;
    // Runs `object` directly, as a tool object that is not the instance's own continues a run: from
    // frame `from` over the frames up to `to`. `node` first loses its keys after `from`, so what it
    // answers are the keys that this run wrote.
    Keys Continue(Object& object, const std::string& node, int from, int to) {
        host_->RemoveKeysFrom(Name(node), (from + 1) * kFrame);
        const Driving driving(*this);
        host_->SetCurrentTime(from * kFrame);
        host_->Adaptor().prepareRecording({instance_});
        object.begin(from * kFrame);
        for (int f = from + 1; f <= to; ++f) object.step(f * kFrame);
        object.end();
        host_->Adaptor().finishRecording();
        return KeysOf(node);
    }

    // Stores the tool's state and continues the tool from frame `from` to `to`; then does the same
    // with a tool object restored from that state, and expects both runs to write `node`'s keys
    // identically, bit for bit. Answers the original run's keys.
    Keys ExpectRestoredContinuesIdentically(const std::string& node, int from, int to) {
        EXPECT_EQ(tool_->store(), 0);
        const Keys original = Continue(*tool_, node, from, to);
        Loaded loaded = Reload();
        EXPECT_EQ(loaded->restore(), 0);
        const Keys restored = Continue(*loaded, node, from, to);
        ExpectSameKeys(original, restored);
        return original;
    }

    // Runs the instance from frame `from` to frame `to` and answers `node`'s world x at each
    // stepped frame.
    std::vector<double> RunX(const std::string& node, int from, int to) {
        std::vector<double> xs;
        BeginRun(from * kFrame, false);
        for (int f = from + 1; f <= to; ++f) {
            instance_->Step(f * kFrame);
            xs.push_back(World(node, f * kFrame).m[3][0]);
        }
        EndRun();
        return xs;
    }

    // Edits the page element labelled `label` as the configuration window does when the user
    // finishes an edit there (a button or check box: 1 presses or checks it): one host undo step.
    // False when the page has no such element.
    bool EditOnPage(const std::string& label, double value = 1.0) {
        configadaptor::Node* found = FindOnPage(instance_->GetPage(), label);
        if (found == nullptr) return false;
        found->setValue(value);
        return true;
    }
    static configadaptor::Node* FindOnPage(configadaptor::Node* node, const std::string& label) {
        if (node == nullptr || node->getLabel() == label) return node;
        for (const auto& child : node->GetChildren())
            if (auto* found = FindOnPage(child.get(), label)) return found;
        return nullptr;
    }

    // Begins a run of the instance at `t` as the record loop does: the host's time goes to `t` and
    // the host prepares (and keys there) the instance's channels, then the instance begins; the host answers
    // recording until EndRun().
    void BeginRun(double t, bool resimulating) {
        host_->SetRecording(true);
        host_->SetCurrentTime(t);
        host_->Adaptor().prepareRecording({instance_});
        instance_->BeginRecord(t, resimulating);
    }
    // Ends the run BeginRun() began, and lets the host commit what it keyed.
    void EndRun() {
        instance_->EndRecord();
        host_->Adaptor().finishRecording();
        host_->SetRecording(false);
    }

    std::unique_ptr<HostUnderTest> host_;
    CoreImplementation* core_ = nullptr;
    Instance* instance_ = nullptr;
    Object* tool_ = nullptr;
    // The controls Bind made.
    std::vector<std::unique_ptr<unidevice::Control>> controls_;

    // While it lives, the test drives the tool as the record loop would: the host answers recording.
    class Driving {
    public:
        explicit Driving(ToolOnHost& fixture) : fixture_(fixture) { fixture_.host_->SetRecording(true); }
        ~Driving() { fixture_.host_->SetRecording(false); }
        Driving(const Driving&) = delete;
        Driving& operator=(const Driving&) = delete;

    private:
        ToolOnHost& fixture_;
    };

private:
    std::string toolName_;
    std::string instanceName_;
};

} // namespace vex::orb::core::test
