#pragma once

#include "host/scene/Object.h"

#include <string>
#include <vector>

namespace vex::host {

/// One loaded plug-in library: what the plug-in MObject handle refers to. It records the plug-in's
/// identity and everything it registered, so that unloading can remove what the plug-in left behind.
class Plugin : public Object {
public:
    Plugin(std::string path, std::string name) : path_(std::move(path)), name_(std::move(name)) {}

    MFn::Type ApiType() const override { return MFn::kPlugin; }

    /// The file the library was loaded from.
    const std::string& path() const { return path_; }
    /// The plug-in's name: the file name without folder and extension.
    const std::string& name() const { return name_; }

    std::string vendor = "Unknown";
    std::string version = "Unknown";
    std::string apiVersion = "Any";
    /// True while initializePlugin runs (the only time MFnPlugin sets vendor and version).
    bool initializing = false;
    /// The library handle (dlopen), null once closed.
    void* handle = nullptr;
    /// Command names and node type names registered and not yet deregistered.
    std::vector<std::string> commands;
    std::vector<std::string> nodeTypes;

private:
    std::string path_;
    std::string name_;
};

} // namespace vex::host
