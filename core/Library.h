#pragma once

#include "platform/win32/Modules.h"
#include "util/DynamicObject.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vex::orb::core {

class Tool;

/// A source of tool types: the compiled-in tools (CoreLibrary), a tool library loaded from disk, or
/// a pre-rigged model file. It owns its tools in registration order and, for a tool library, the
/// loaded module.
///
/// Constructing a library appends it to the LibraryManager's list; destroying it destroys its
/// tools last first, then frees its module, then takes it off the manager's list.
class Library : public util::DynamicObject {
public:
    /// Why Load made no library. The codes are the system's own and are part of its interface.
    enum LoadError : int {
        kNotLoadable = 30,  ///< the file cannot be loaded as a module
        kNoGetVersion = 31, ///< the module exports no "getVersion"
        kWrongVersion = 32, ///< "getVersion" does not answer kToolLibraryVersion
        kNoGetPlugin = 33,  ///< the module exports no "getPlugin"
        kCannotCreate = 34, ///< the library object cannot be created
    };

    /// Makes the library objects Load creates; null means "cannot be created".
    using Creator = Library* (*)(const std::string& path, platform::win32::HMODULE module);

    /// A library read from `path`, owning `module` (null for none); registers with the manager.
    Library(std::string path, platform::win32::HMODULE module);
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
    /// Destroys the tools last first, frees the module, deregisters from the manager.
    ~Library() override;

    /// Loads one file. A path whose last three characters are not "prm" is a tool library: every
    /// descriptor it hands out whose identifier the manager does not know yet becomes a Plugin of a
    /// new library (known ones are released). Failures give null and a LoadError, with the module
    /// freed; a file without a new descriptor gives null and 0, and its module stays loaded. A
    /// "prm" path is a pre-rigged model: a root element whose name begins with "VXB" or "orb" gives
    /// a module-less library with one Template, and a root "orbtemplate" one with the scripted tool
    /// type of that template document (none when its identifier is taken). Anything else (unreadable,
    /// malformed, other root) is ignored with null and 0; a file that does not parse is named in the
    /// log. On success `error` is 0.
    static Library* Load(const std::string& path, int& error);

    /// Replaces the function Load creates its library objects with, so that tests can make creation
    /// fail the way an exhausted heap would; null puts the normal one back.
    static void SetCreator(Creator creator);

    /// The file the library came from ("Core" for the compiled-in tools).
    const std::string& GetPath() const { return path_; }
    /// The file name without folder and extension.
    const std::string& GetName() const { return name_; }
    /// The loaded module, or null.
    platform::win32::HMODULE GetModule() const { return module_; }
    /// Number of tools, and the tool at `index` in registration order (null when out of range).
    std::size_t GetToolCount() const { return tools_.size(); }
    Tool* GetTool(std::size_t index) const { return index < tools_.size() ? tools_[index] : nullptr; }

    /// Ends the library: the manager calls this when it goes. A library that is a process-wide
    /// singleton ends through its singleton, so it is not destroyed twice.
    virtual void Destroy() { delete this; }

    /// The name of the file at `path`: the characters after the last "/" or "\" up to the first "."
    /// after it.
    static std::string NameFromPath(const std::string& path);

private:
    friend class Tool; // a tool appends itself when it is constructed

    static Library* LoadToolLibrary(const std::string& path, int& error);
    static Library* LoadModelFile(const std::string& path, int& error);

    std::string path_;
    std::string name_;
    std::vector<Tool*> tools_;
    platform::win32::HMODULE module_ = nullptr;
};

} // namespace vex::orb::core
