#pragma once

#include "core/CoreImplementation.h"
#include "core/Instance.h"
#include "system/adaptors/memory/MemoryAdaptor.h"
#include "tests/core/ToolTestSupport.h"
#include "tests/plugins/LoopTakeSupport.h"
#include "util/Matrix.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vex::orb::core::test {

/// A compiled-in tool created through the core on the in-memory host at 25 frames per second, with
/// the host keying what the tool writes as it does while recording. `Object` is the tool object the
/// instance holds; the tool is created by `toolName` and its nodes are named `<prefix>_<node>Transform`.
template <class Object>
class ToolOnHost : public RegistryTest {
protected:
    static constexpr double kFrame = 1.0 / 25.0;

    ToolOnHost(std::string toolName, std::string instanceName)
        : toolName_(std::move(toolName)), instanceName_(std::move(instanceName)) {}

    void SetUp() override {
        RegistryTest::SetUp();
        host = std::make_unique<adaptor::memory::MemoryAdaptor>(25.0);
        host->SetCoreRecordingQuery([] { return true; });
        core = FindCore();
        ASSERT_NE(core, nullptr);
        instance = core->FindInstance(core->CreateTool(toolName_));
        ASSERT_NE(instance, nullptr);
        tool = dynamic_cast<Object*>(instance->GetObject());
        ASSERT_NE(tool, nullptr);
    }
    void TearDown() override {
        host.reset();
        RegistryTest::TearDown();
    }

    adaptor::memory::ObjectId NodeId(const std::string& name) {
        return host->GetScene().FindByName(instanceName_ + "_" + name + "Transform");
    }
    adaptor::memory::HostObject& Node(const std::string& name) {
        return *host->GetScene().Find(NodeId(name));
    }
    util::Matrix<double> World(const std::string& name, double t) {
        return host->GetScene().GetWorldMatrix(NodeId(name), t);
    }
    util::Matrix<double> Local(const std::string& name, double t) {
        return host->GetScene().GetLocalMatrix(NodeId(name), t);
    }

    using Loaded = std::unique_ptr<Object, void (*)(Object*)>;
    // Another tool object of the same instance that reads the saved state back.
    Loaded Reload() {
        Loaded loaded(new Object({nullptr, instanceName_}), [](Object* object) { object->release(); });
        loaded->core = instance;
        return loaded;
    }

    using Keys = std::vector<adaptor::memory::KeyedValue<util::Matrix<double>>::Key>;
    // Runs `object` directly, as a tool object that is not the instance's own continues a run: from
    // frame `from` over the frames up to `to`. `node` first loses its keys after `from`, so what it
    // answers are the keys that this run wrote.
    Keys Continue(Object& object, const std::string& node, int from, int to) {
        Node(node).transform.RemoveKeysFrom((from + 1) * kFrame);
        object.begin(from * kFrame);
        for (int f = from + 1; f <= to; ++f) object.step(f * kFrame);
        object.end();
        return Node(node).transform.GetKeys();
    }

    // Stores the tool's state and continues the tool from frame `from` to `to`; then does the same
    // with a tool object restored from that state, and expects both runs to write `node`'s keys
    // identically, bit for bit. Answers the original run's keys.
    Keys ExpectRestoredContinuesIdentically(const std::string& node, int from, int to) {
        EXPECT_EQ(tool->store(), 0);
        const Keys original = Continue(*tool, node, from, to);
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
        instance->BeginRecord(from * kFrame, false);
        for (int f = from + 1; f <= to; ++f) {
            instance->Step(f * kFrame);
            xs.push_back(World(node, f * kFrame).m[3][0]);
        }
        instance->EndRecord();
        return xs;
    }

    std::unique_ptr<adaptor::memory::MemoryAdaptor> host;
    CoreImplementation* core = nullptr;
    Instance* instance = nullptr;
    Object* tool = nullptr;

private:
    std::string toolName_;
    std::string instanceName_;
};

} // namespace vex::orb::core::test
