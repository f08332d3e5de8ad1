#pragma once

#include "core/CoreImplementation.h"
#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "core/NodeTag.h"
#include "core/RecordManager.h"
#include "host/file/FileOperations.h"
#include "host/scene/ErrorOutput.h"
#include "host/scene/ObjectAccess.h"
#include "host/scene/Plugin.h"
#include "host/scene/Scene.h"
#include "host/scene/UndoQueue.h"
#include "platform/win32/Clock.h"
#include "system/adaptors/maya/MayaAdaptorInterface.h"
#include "system/adaptors/maya/TorvaPlugin.h"
#include "system/adaptors/maya/UndoManagement.h"
#include "tests/core/CoreTestSupport.h"

#include <gtest/gtest.h>
#include <maya/MFnAnimCurve.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MGlobal.h>
#include <maya/MItDependencyNodes.h>
#include <maya/MTime.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vex::orb::adaptor::maya::test {

// The plug-in loaded into a fresh embedded scene as Maya loads it (the plug-in object made here
// instead of by opening the library), with the error lines it reports kept.
class TorvaPluginFixture : public core::test::CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        host::Scene::Instance().Reset();
        host::UndoQueue::get().Flush();
        host::file::FileOperations::Install();
        MTime::setUIUnit(MTime::kPALFrame);
        UndoManagement::DestroyInstance();
        previousSink_ =
            host::ErrorOutput::SetSink([this](const std::string& line) { errors_.push_back(line); });
        ASSERT_TRUE(Load());
    }
    void TearDown() override {
        Unload();
        MayaAdaptorInterface::DestroyInstance();
        UndoManagement::DestroyInstance();
        host::UndoQueue::get().Flush();
        host::ErrorOutput::SetSink(previousSink_);
        CoreTest::TearDown();
    }

    MStatus Load() {
        plugin_ = std::make_shared<host::Plugin>("torvasuite.so", "torvasuite");
        plugin_->initializing = true;
        const MStatus status = TorvaPlugin::Load(host::ObjectAccess::wrap(plugin_));
        plugin_->initializing = false;
        return status;
    }
    void Unload() {
        if (plugin_) TorvaPlugin::Unload(host::ObjectAccess::wrap(plugin_));
        plugin_.reset();
    }

    static std::string Text(const std::string& mel) {
        MString result;
        MGlobal::executeCommand(MString(mel.c_str()), result);
        return result.asChar();
    }
    static int Number(const std::string& mel) {
        int result = 0;
        MGlobal::executeCommand(MString(mel.c_str()), result);
        return result;
    }
    static bool Runs(const std::string& mel) { return MGlobal::executeCommand(MString(mel.c_str())); }
    // The adaptor (and the core on it) comes with the first thing that needs it.
    static core::CoreImplementation& Core() {
        MayaAdaptorInterface::Instance();
        return *core::FindCore();
    }
    static int CountOfType(const char* type) {
        int count = 0;
        for (MItDependencyNodes it; !it.isDone(); it.next())
            count += std::string(MFnDependencyNode(it.thisNode()).typeName().asChar()) == type ? 1 : 0;
        return count;
    }
    static int CountTagged() {
        int count = 0;
        for (MItDependencyNodes it; !it.isDone(); it.next())
            count += MFnDependencyNode(it.thisNode()).hasAttribute(core::NodeTag::kAttribute) ? 1 : 0;
        return count;
    }
    std::string Scene(const std::string& name) const { return (DataRoot() / name).string(); }
    static std::string Description(const std::string& instance) {
        util::xml::Element description;
        Core().FindInstance(instance)->WriteDescription(description, core::Instance::kWithRecordedValues);
        return description.ToString();
    }

    // A take from the start to `end` seconds through the real-time loop, 40 ms ticks of a fake clock.
    static void RecordTake(double end) {
        core::CoreImplementation& running = Core();
        running.GetSettings().countdown = 0;
        MayaAdaptorInterface::Instance().setPlaybackRange({0.0, end});
        MayaAdaptorInterface::Instance().setCurrentTime(0.0);
        platform::win32::FakeClock clock;
        clock.Set(1000);
        ASSERT_EQ(running.StartRecording(), 0);
        while (running.GetTime() < end) {
            clock.Advance(40);
            running.OnTimer(core::RecordManager::kRecordTimer, clock.Now());
        }
        running.StopRecording();
    }
    // Every anim curve of the scene by name, with its keys as (time, value).
    static std::map<std::string, std::vector<std::pair<double, double>>> SceneKeys() {
        std::map<std::string, std::vector<std::pair<double, double>>> keys;
        for (MItDependencyNodes it(MFn::kAnimCurve); !it.isDone(); it.next()) {
            const MFnAnimCurve curve(it.thisNode());
            auto& list = keys[MFnDependencyNode(it.thisNode()).name().asChar()];
            for (unsigned k = 0; k < curve.numKeys(); ++k)
                list.emplace_back(curve.time(k).as(MTime::kSeconds), curve.value(k));
        }
        return keys;
    }

    std::vector<std::string> errors_;

private:
    std::shared_ptr<host::Plugin> plugin_;
    host::ErrorOutput::Sink previousSink_;
};

} // namespace vex::orb::adaptor::maya::test
