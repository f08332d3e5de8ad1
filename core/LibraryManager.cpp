#include "core/LibraryManager.h"

#include "core/DataPaths.h"
#include "core/Library.h"
#include "core/Plugin.h"
#include "core/ResourceBundle.h"
#include "core/Tool.h"
#include "core/ToolListSink.h"
#include "core/plugins/TemplatePlugin.h"
#include "platform/win32/DebugOutput.h"
#include "platform/win32/Files.h"
#include "platform/win32/Modules.h"
#include "util/xml/Element.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace vex::orb::core {

namespace win32 = platform::win32;

namespace {

// The compiled-in folder of the templates and models that ship with the suite.
constexpr const char* kFactoryModelFolder = ":/torvasuite/data/prm";

// Sub-folders deeper than this are not searched for model files (a guard against folder loops).
constexpr int kMaxModelFolderDepth = 32;

// The entries of `folder` matching `pattern`, in directory order, split into files and folders
// ("." and ".." left out).
void ListFolder(const std::string& folder, const std::string& pattern, std::vector<std::string>& files,
                std::vector<std::string>& folders) {
    win32::WIN32_FIND_DATA entry{};
    win32::HANDLE search = win32::FindFirstFile((folder + "/" + pattern).c_str(), &entry);
    if (search == win32::INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = entry.cFileName;
        if (name == "." || name == "..") continue;
        if ((entry.dwFileAttributes & win32::FILE_ATTRIBUTE_DIRECTORY) != 0) {
            folders.push_back(folder + "/" + name);
        } else {
            files.push_back(folder + "/" + name);
        }
    } while (win32::FindNextFile(search, &entry) != win32::FALSE);
    win32::FindClose(search);
}

// The group a listed tool goes to: 0 vehicles, 1 cameras, 2 accessories, 3 templates.
int GroupOf(const Tool& tool) {
    if (tool.GetKind() == Tool::kTemplateKind || tool.GetKind() == Tool::kScriptedKind) return 3;
    int group = 2;
    for (const std::string& category : tool.GetCategories()) {
        if (category == "Vehicle") group = 0;
        if (category == "Camera") group = 1;
    }
    return group;
}

} // namespace

LibraryManager::~LibraryManager() {
    // Exists() is false from here on, so the libraries do not deregister while they go.
    while (!libraries_.empty()) {
        Library* library = libraries_.back();
        libraries_.pop_back();
        library->Destroy();
    }
}

void LibraryManager::LoadLibraries() {
    const std::string pluginFolder = GetInstallPath("plugin");
    if (!pluginFolder.empty()) {
        std::vector<std::string> files;
        std::vector<std::string> folders;
        ListFolder(pluginFolder, std::string("*") + win32::kSharedLibrarySuffix, files, folders);
        for (const std::string& file : files) LoadUnlessRegistered(file);
    }
    // The factory data's templates and models come first, so that a user's file of the same name
    // cannot hide a shipped one. Start-up may come here before the core registered the bundle.
    RegisterResourceBundle();
    for (const std::string& file : ListBundleFiles(kFactoryModelFolder, "*.prm"))
        LoadUnlessRegistered(std::string(kFactoryModelFolder) + "/" + file);
    LoadModelFiles(JoinDataPath(GetDataRoot(), "/prm"), 0);
    const std::string modelFolder = GetInstallPath("prm");
    if (!modelFolder.empty()) LoadModelFiles(modelFolder, 0);
}

void LibraryManager::LoadModelFiles(const std::string& folder, int depth) {
    std::vector<std::string> files;
    std::vector<std::string> ignored;
    ListFolder(folder, "*.prm", files, ignored);
    for (const std::string& file : files) LoadUnlessRegistered(file);
    if (depth >= kMaxModelFolderDepth) return;
    std::vector<std::string> folders;
    ListFolder(folder, "*", ignored, folders);
    for (const std::string& below : folders) LoadModelFiles(below, depth + 1);
}

void LibraryManager::LoadUnlessRegistered(const std::string& path) {
    if (FindLibrary(path) != nullptr) return;
    int error = 0;
    Library::Load(path, error); // load failures skip the file; nothing is reported
}

Library* LibraryManager::FindLibrary(const std::string& path) const {
    for (Library* library : libraries_) {
        if (library->GetPath() == path) return library;
    }
    return nullptr;
}

Tool* LibraryManager::FindTool(const std::string& identifier) const {
    for (Library* library : libraries_) {
        for (std::size_t i = 0; i < library->GetToolCount(); ++i) {
            Tool* tool = library->GetTool(i);
            const std::vector<std::string> names = tool->GetTypeNames();
            if (std::find(names.begin(), names.end(), identifier) != names.end()) return tool;
        }
    }
    return nullptr;
}

Tool* LibraryManager::AdoptSavedTemplate(const std::string& identifier,
                                         const util::xml::Element& customdata) {
    if (identifier.empty() || customdata.GetChildText("name") != identifier ||
        FindTool(identifier) != nullptr)
        return nullptr;
    const std::string source = "(saved scene)/" + identifier + ".prm";
    const std::string line = "The template \"" + identifier +
                             "\" is not installed; the copy saved with the scene is used for this session.";
    win32::OutputDebugStringA(line.c_str());
    util::xml::Element document = customdata;
    document.SetName(plugins::TemplatePlugin::kRootName);
    auto* library = new Library(source, nullptr); // registers itself; the manager ends it
    return Plugin::Register(*library, new plugins::TemplatePlugin(std::move(document), source));
}

std::size_t LibraryManager::GetToolCount() const {
    std::size_t count = 0;
    for (Library* library : libraries_) count += library->GetToolCount();
    return count;
}

Tool* LibraryManager::GetTool(std::size_t index) const {
    for (Library* library : libraries_) {
        if (index < library->GetToolCount()) return library->GetTool(index);
        index -= library->GetToolCount();
    }
    return nullptr;
}

void LibraryManager::FillToolLists(ToolListSink& sink, int which) const {
    // Identifiers are read once; std::string compares its characters as unsigned bytes.
    std::array<std::vector<std::pair<std::string, Tool*>>, 4> groups;
    for (std::size_t i = 0; i < GetToolCount(); ++i) {
        Tool* tool = GetTool(i);
        if (!tool->IsListed()) continue;
        groups[static_cast<std::size_t>(GroupOf(*tool))].emplace_back(tool->GetIdentifier(), tool);
    }
    constexpr std::array<int, 4> kComponents{ToolListSink::kVehicles, ToolListSink::kCameras,
                                             ToolListSink::kAccessories, ToolListSink::kTemplates};
    for (std::size_t group = 0; group < groups.size(); ++group) {
        if ((which & (1 << group)) == 0) continue;
        auto& entries = groups[group];
        std::stable_sort(entries.begin(), entries.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<Tool*> tools;
        tools.reserve(entries.size());
        for (const auto& entry : entries) tools.push_back(entry.second);
        sink.SetToolList(kComponents[group], tools);
    }
}

void LibraryManager::DestroyToolObjects() {
    for (Library* library : libraries_) {
        for (std::size_t i = 0; i < library->GetToolCount(); ++i) library->GetTool(i)->DestroyObjects();
    }
}

void LibraryManager::Register(Library* library) {
    libraries_.push_back(library);
}

void LibraryManager::Deregister(Library* library) {
    libraries_.erase(std::remove(libraries_.begin(), libraries_.end(), library), libraries_.end());
}

} // namespace vex::orb::core
