#pragma once

#include "util/Singleton.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vex::util::xml {
class Element;
}

namespace vex::orb::core {

class Library;
class Tool;
class ToolListSink;

/// The process-wide list of libraries, in registration order, and the questions about tool types
/// the rest of the core asks. Libraries register and deregister themselves; the list owns none of
/// them, but destroying the manager destroys every library still registered (last first).
class LibraryManager : public util::Singleton<LibraryManager> {
public:
    /// All four tool lists of the main window.
    static constexpr int kAllToolLists = 15;

    /// Loads every tool library and model file not loaded yet: each file matching "*" + the
    /// platform's shared-library suffix in the installation's plug-in folder, then each "*.prm" of
    /// the factory data's "prm" folder, then each below the data root's "/prm" folder, then each below the
    /// installation's "prm" folder (both with sub-folders). Files that fail to load are skipped.
    void LoadLibraries();
    /// The library whose path equals `path` byte for byte, or null.
    Library* FindLibrary(const std::string& path) const;
    /// The first tool, over libraries in order and tools in order, one of whose type names equals
    /// `identifier`; null if none.
    Tool* FindTool(const std::string& identifier) const;
    /// The scripted tool type `identifier` made from the template document a saved instance carries
    /// in its custom data, for a scene whose template file is not installed here; it lives in a
    /// library of its own for the rest of the session. Null when `customdata` is not the document
    /// of that type.
    Tool* AdoptSavedTemplate(const std::string& identifier, const util::xml::Element& customdata);
    /// Number of tools of all libraries.
    std::size_t GetToolCount() const;
    /// The tool at `index`, counting library by library in order; null when out of range.
    Tool* GetTool(std::size_t index) const;
    /// Number of registered libraries, and the one at `index` (null when out of range).
    std::size_t GetLibraryCount() const { return libraries_.size(); }
    Library* GetLibrary(std::size_t index) const {
        return index < libraries_.size() ? libraries_[index] : nullptr;
    }

    /// Hands the main window its tool lists. Every listed tool goes to one group: templates (kind 2)
    /// to the templates; otherwise its last category of "Vehicle" or "Camera" decides, and a tool
    /// with neither is an accessory. Each group is sorted by identifier in ascending byte order.
    /// Bits 0-3 of `which` pick the vehicles, cameras, accessories and templates lists.
    void FillToolLists(ToolListSink& sink, int which) const;

    /// Destroys the objects every tool still owns (shutdown), library by library, tool by tool.
    void DestroyToolObjects();

private:
    friend class util::Singleton<LibraryManager>;
    friend class Library; // registers and deregisters itself

    LibraryManager() = default;
    ~LibraryManager();

    void Register(Library* library);
    void Deregister(Library* library);
    // Loads every file below `folder` (sub-folders too) whose name ends in ".prm".
    void LoadModelFiles(const std::string& folder, int depth);
    // Loads `path` unless a library with that path is registered.
    void LoadUnlessRegistered(const std::string& path);

    std::vector<Library*> libraries_;
};

} // namespace vex::orb::core
