// Saving and opening a scene that carries 100 tool instances with 10,000 recorded frames each, with
// the torvasuite plug-in loaded into the embedded host: before the save the plug-in tags every tool
// node (the first with its instance's description) and writes the core's state into a storage node;
// after the open it reads them back, makes the instances again and hands them their nodes. Each
// instance is a RuzovuZediziViz whose FollowCam carries a key on each of its nine channels at every
// frame (9 M keys in all).
//
//   BM_SaveScene / BM_OpenScene           the scene with the plug-in and its 100 instances
//   BM_SaveBaseline / BM_OpenBaseline     the yardstick: the same transforms, cameras and keys without
//                                         the plug-in, saved and opened by the host alone
//
// The documents folder (registry "Personal") points at a temporary folder while a benchmark runs.
#include "core/CoreImplementation.h"
#include "core/CoreStartup.h"
#include "host/file/FileOperations.h"
#include "host/scene/ObjectAccess.h"
#include "host/scene/Plugin.h"
#include "host/scene/Scene.h"
#include "host/scene/UndoQueue.h"
#include "platform/win32/MessageBox.h"
#include "platform/win32/Registry.h"
#include "system/adaptors/maya/MayaAdaptorInterface.h"
#include "system/adaptors/maya/TorvaPlugin.h"
#include "system/adaptors/maya/UndoManagement.h"

#include <benchmark/benchmark.h>
#include <maya/MFileIO.h>
#include <maya/MFnAnimCurve.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MGlobal.h>
#include <maya/MSelectionList.h>
#include <maya/MTime.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>

namespace {

namespace win32 = vex::platform::win32;
using vex::orb::adaptor::maya::MayaAdaptorInterface;
using vex::orb::adaptor::maya::TorvaPlugin;
using vex::orb::adaptor::maya::UndoManagement;

constexpr int kInstances = 100;
constexpr const char* kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char* const kChannels[] = {"tx", "ty", "tz", "rx", "ry", "rz", "sx", "sy", "sz"};

// A key on each of the transform's nine channels at every frame (PAL frames).
void KeyChannels(const std::string& transform, int frames) {
    MSelectionList list;
    list.add(MString(transform.c_str()));
    MObject node;
    list.getDependNode(0, node);
    for (int c = 0; c < 9; ++c) {
        MFnAnimCurve curve;
        curve.create(MFnDependencyNode(node).findPlug(kChannels[c]));
        for (int f = 0; f < frames; ++f)
            curve.addKey(MTime(f, MTime::kPALFrame), f * 0.001 + c, MFnAnimCurve::kTangentLinear,
                         MFnAnimCurve::kTangentLinear);
    }
}

// A fresh scene in a temporary documents folder; with the plug-in, 100 instances whose FollowCams are
// keyed, else the same transforms and cameras made and keyed by the host alone.
class Session {
public:
    Session(bool withPlugin, int frames) {
        std::random_device random;
        documents_ = std::filesystem::temp_directory_path() /
                     ("torva-storage-bench-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(documents_);
        win32::RegistrySetValue(win32::HKEY_CURRENT_USER, kShellFolders, "Personal", documents_.string());
        win32::SetMessageBoxSilent(true);
        vex::host::Scene::Instance().Reset();
        vex::host::UndoQueue::get().Flush();
        vex::host::file::FileOperations::Install();
        MTime::setUIUnit(MTime::kPALFrame);
        if (withPlugin) {
            plugin_ = std::make_shared<vex::host::Plugin>("torvasuite.so", "torvasuite");
            plugin_->initializing = true;
            TorvaPlugin::Load(vex::host::ObjectAccess::wrap(plugin_));
            plugin_->initializing = false;
        }
        for (int i = 0; i < kInstances; ++i) {
            std::string name;
            if (withPlugin) {
                MString created;
                MGlobal::executeCommand("TorvaCreateToolCmd -n RuzovuZediziViz", created);
                name = created.asChar();
            } else {
                name = "Rig" + std::to_string(i);
                for (const char* node : {"_FollowCam", "_AttachedCam"})
                    MGlobal::executeCommand(MString(("createNode transform -n " + name + node + "Transform;" +
                                                     "createNode camera -p " + name + node + "Transform;")
                                                        .c_str()));
            }
            KeyChannels(name + "_FollowCamTransform", frames);
        }
        path_ = (documents_ / "scene.ma").string();
    }
    ~Session() {
        if (plugin_) TorvaPlugin::Unload(vex::host::ObjectAccess::wrap(plugin_));
        MayaAdaptorInterface::DestroyInstance();
        UndoManagement::DestroyInstance();
        vex::host::Scene::Instance().Reset();
        vex::host::UndoQueue::get().Flush();
        win32::RegistryDeleteValue(win32::HKEY_CURRENT_USER, kShellFolders, "Personal");
        std::error_code ignored;
        std::filesystem::remove_all(documents_, ignored);
    }

    bool Save() { return MFileIO::saveAs(MString(path_.c_str()), nullptr, true); }
    bool Open() { return MFileIO::open(MString(path_.c_str()), nullptr, true); }
    std::uintmax_t FileSize() const { return std::filesystem::file_size(path_); }

private:
    std::filesystem::path documents_;
    std::string path_;
    std::shared_ptr<vex::host::Plugin> plugin_;
};

void Report(benchmark::State& state, const Session& session, int frames) {
    state.counters["frames"] = frames;
    state.counters["instances"] = kInstances;
    state.counters["MB"] = static_cast<double>(session.FileSize()) / 1e6;
}

void Save(benchmark::State& state, bool withPlugin) {
    const int frames = static_cast<int>(state.range(0));
    Session session(withPlugin, frames);
    for (auto _ : state)
        if (!session.Save()) state.SkipWithError("the save failed");
    Report(state, session, frames);
}

void Open(benchmark::State& state, bool withPlugin) {
    const int frames = static_cast<int>(state.range(0));
    Session session(withPlugin, frames);
    if (!session.Save()) state.SkipWithError("the save failed");
    for (auto _ : state)
        if (!session.Open()) state.SkipWithError("the open failed");
    Report(state, session, frames);
}

void BM_SaveScene(benchmark::State& state) {
    Save(state, true);
}
void BM_OpenScene(benchmark::State& state) {
    Open(state, true);
}
void BM_SaveBaseline(benchmark::State& state) {
    Save(state, false);
}
void BM_OpenBaseline(benchmark::State& state) {
    Open(state, false);
}

BENCHMARK(BM_SaveScene)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SaveBaseline)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OpenScene)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OpenBaseline)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
