#include "host/scene/PluginManager.h"

#include "host/scene/CommandRegistry.h"
#include "host/scene/NodeTypeRegistry.h"
#include "host/scene/ObjectAccess.h"
#include "host/scene/Scene.h"
#include "host/scene/ScriptEditor.h"
#include "host/scene/UndoQueue.h"

#include <maya/MObject.h>
#include <maya/MString.h>

#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace vex::host {

namespace {

using EntryPoint = MStatus (*)(MObject);

// The entry points have C++ linkage in plug-ins written for the host API; a plug-in that declares them
// extern "C" is accepted too.
EntryPoint FindEntryPoint(void* handle, const char* mangled, const char* plain) {
    void* symbol = dlsym(handle, mangled);
    if (!symbol) symbol = dlsym(handle, plain);
    return reinterpret_cast<EntryPoint>(symbol);
}

EntryPoint InitializeEntry(void* handle) {
    return FindEntryPoint(handle, "_Z16initializePlugin7MObject", "initializePlugin");
}

EntryPoint UninitializeEntry(void* handle) {
    return FindEntryPoint(handle, "_Z18uninitializePlugin7MObject", "uninitializePlugin");
}

// A plug-in named without a folder ("torvasuite" or "torvasuite.so") is looked for, as the host does,
// in the folders of MAYA_PLUG_IN_PATH (separated by ':'), in order; other paths stand as written.
std::string ResolvePluginPath(const std::string& path) {
    std::error_code error;
    if (path.empty() || path.find('/') != std::string::npos || std::filesystem::is_regular_file(path, error))
        return path;
    const char* folders = std::getenv("MAYA_PLUG_IN_PATH");
    if (folders == nullptr) return path;
    const std::string file = std::filesystem::path(path).has_extension() ? path : path + ".so";
    std::string list = folders;
    for (std::size_t start = 0; start <= list.size();) {
        std::size_t end = list.find(':', start);
        if (end == std::string::npos) end = list.size();
        const std::string folder = list.substr(start, end - start);
        if (!folder.empty()) {
            const std::filesystem::path candidate = std::filesystem::path(folder) / file;
            if (std::filesystem::is_regular_file(candidate, error)) return candidate.string();
        }
        start = end + 1;
    }
    return path;
}

} // namespace

PluginManager& PluginManager::get() {
    static PluginManager* manager = new PluginManager;
    return *manager;
}

MStatus PluginManager::Fail(MStatus::MStatusCode code, const std::string& message) {
    ScriptEditor::get().Write(ScriptEditor::Kind::kError, message);
    return MStatus(code, message);
}

MStatus PluginManager::Load(const std::string& named, std::string* name) {
    const std::string path = ResolvePluginPath(named);
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(path, error))
        return Fail(MStatus::kNotFound, "Plug-in \"" + path + "\" was not found.");
    const std::string pluginName = std::filesystem::path(path).stem().string();
    if (name) *name = pluginName;
    if (plugins_.count(pluginName)) {
        ScriptEditor::get().Write(ScriptEditor::Kind::kWarning,
                                  "Plug-in \"" + pluginName + "\" is already loaded.");
        return MStatus::kSuccess;
    }

    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = dlerror();
        return Fail(MStatus::kFailure,
                    "Unable to load plug-in \"" + path + "\": " + (reason ? reason : "unknown reason") + ".");
    }
    const EntryPoint initialize = InitializeEntry(handle);
    if (!initialize) {
        dlclose(handle);
        return Fail(MStatus::kFailure, "Plug-in \"" + path + "\" has no initializePlugin function.");
    }

    auto plugin = std::make_shared<Plugin>(path, pluginName);
    plugin->handle = handle;
    plugins_[pluginName] = plugin;
    plugin->initializing = true;
    const MStatus status = initialize(ObjectAccess::wrap(plugin));
    plugin->initializing = false;
    if (!status) {
        Discard(plugin);
        return Fail(MStatus::kFailure, "initializePlugin function failed for plug-in \"" + pluginName +
                                           "\" " + status.errorString().str() +
                                           "; the plug-in was unloaded.");
    }
    return MStatus::kSuccess;
}

MStatus PluginManager::Unload(const std::string& nameOrPath) {
    const std::shared_ptr<Plugin> plugin = Find(nameOrPath);
    if (!plugin) return Fail(MStatus::kNotFound, "Plug-in \"" + nameOrPath + "\" is not loaded.");
    for (const std::string& type : plugin->nodeTypes)
        if (TypeInUse(type))
            return Fail(MStatus::kFailure, "Plug-in \"" + plugin->name() +
                                               "\" cannot be unloaded: nodes of type \"" + type +
                                               "\" are in the scene.");
    // Commands kept for undo may be the plug-in's: their code is about to go.
    UndoQueue::get().Flush();
    if (const EntryPoint uninitialize = UninitializeEntry(plugin->handle)) {
        const MStatus status = uninitialize(ObjectAccess::wrap(plugin));
        if (!status)
            return Fail(MStatus::kFailure, "uninitializePlugin function failed for plug-in \"" +
                                               plugin->name() + "\" " + status.errorString().str() +
                                               "; the plug-in stays loaded.");
    }
    Discard(plugin);
    return MStatus::kSuccess;
}

void PluginManager::Discard(const std::shared_ptr<Plugin>& plugin) {
    for (const std::string& command : plugin->commands) CommandRegistry::get().remove(command);
    plugin->commands.clear();
    for (const std::string& type : plugin->nodeTypes) DropNodeType(type);
    plugin->nodeTypes.clear();
    if (plugin->handle) dlclose(plugin->handle);
    plugin->handle = nullptr;
    plugins_.erase(plugin->name());
}

std::shared_ptr<Plugin> PluginManager::Find(const std::string& nameOrPath) const {
    auto it = plugins_.find(nameOrPath);
    if (it != plugins_.end()) return it->second;
    for (const auto& [name, plugin] : plugins_)
        if (plugin->path() == nameOrPath) return plugin;
    return nullptr;
}

std::vector<std::string> PluginManager::Names() const {
    std::vector<std::string> result;
    for (const auto& [name, plugin] : plugins_) result.push_back(name);
    return result;
}

void PluginManager::Track(void* object, const std::string& typeName, void (*destroy)(void*)) {
    objects_[object] = {typeName, destroy};
}

void PluginManager::release(void* object) {
    auto it = objects_.find(object);
    if (it == objects_.end()) return;
    const Tracked tracked = it->second;
    objects_.erase(it);
    tracked.destroy(object);
}

bool PluginManager::TypeInUse(const std::string& typeName) {
    const auto& nodes = Scene::Instance().nodes();
    return std::any_of(nodes.begin(), nodes.end(), [&](const NodePtr& node) {
        return node->IsAlive() && node->type().name() == typeName;
    });
}

void PluginManager::DropNodeType(const std::string& typeName) {
    NodeTypeRegistry::Instance().remove(typeName);
    std::vector<void*> doomed;
    for (const auto& [object, tracked] : objects_)
        if (tracked.typeName == typeName) doomed.push_back(object);
    for (void* object : doomed) release(object);
}

} // namespace vex::host
