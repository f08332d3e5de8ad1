#pragma once

#include "host/scene/Plugin.h"

#include <maya/MStatus.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vex::host {

/// Loads and unloads plug-in libraries by path. Loading opens the library, finds its initializePlugin
/// and calls it with the plug-in's MObject; a plug-in whose initializePlugin fails has what it already
/// registered removed, is closed again and reported. Unloading calls uninitializePlugin, removes what
/// the plug-in left registered and closes it; a plug-in whose node types are in use by live nodes is
/// not unloaded. The manager also keeps the node objects (MPxNode) of plug-in types, so that they are
/// destroyed while their code is still loaded. Problems are reported on the script output.
class PluginManager {
public:
    /// The one manager of the process (never destroyed, as nodes may release their objects at exit).
    static PluginManager& get();

    /// Loads the library at `path` (a bare name is looked for in MAYA_PLUG_IN_PATH); `name` receives the
    /// plug-in's name. Loading a plug-in whose name is already loaded does nothing and succeeds.
    MStatus Load(const std::string& path, std::string* name = nullptr);
    /// Unloads the plug-in with the given name (or loaded from the given path).
    MStatus Unload(const std::string& nameOrPath);
    /// The loaded plug-in with the given name or path, or null.
    std::shared_ptr<Plugin> Find(const std::string& nameOrPath) const;
    /// Names of the loaded plug-ins, sorted.
    std::vector<std::string> Names() const;

    /// Keeps a node object of a plug-in type; `destroy` deletes it (called once, by release or unload).
    void Track(void* object, const std::string& typeName, void (*destroy)(void*));
    /// Destroys a tracked node object (its node is gone); nothing when it was already destroyed.
    void release(void* object);
    /// True when a live scene node has the given type.
    static bool TypeInUse(const std::string& typeName);
    /// Removes a registered node type and destroys the node objects of it that deleted nodes still hold.
    void DropNodeType(const std::string& typeName);

private:
    PluginManager() = default;
    /// Removes everything the plug-in still has registered, closes it and forgets it.
    void Discard(const std::shared_ptr<Plugin>& plugin);
    /// Writes an error line and answers a failing status with the same text.
    static MStatus Fail(MStatus::MStatusCode code, const std::string& message);

    struct Tracked {
        std::string typeName;
        void (*destroy)(void*);
    };
    std::map<std::string, std::shared_ptr<Plugin>> plugins_;
    std::map<void*, Tracked> objects_;
};

} // namespace vex::host
