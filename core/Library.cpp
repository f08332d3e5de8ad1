#include "core/Library.h"

#include "core/LibraryManager.h"
#include "core/Plugin.h"
#include "core/Template.h"
#include "core/Tool.h"
#include "core/ToolLibraryEntry.h"
#include "core/plugins/TemplatePlugin.h"
#include "interface/CCameraPlugin.h"
#include "platform/win32/DebugOutput.h"
#include "platform/win32/Files.h"
#include "util/xml/Element.h"
#include "util/xml/Status.h"

#include <array>
#include <memory>
#include <new>
#include <string_view>

namespace vex::orb::core {

namespace win32 = platform::win32;

namespace {

Library* CreateLibrary(const std::string& path, win32::HMODULE module) {
    try {
        return new Library(path, module);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

Library::Creator creator = &CreateLibrary;

bool IsAbsolute(const std::string& path) {
    if (path.empty()) return false;
    return path.front() == '/' || path.front() == '\\' || (path.size() > 1 && path[1] == ':');
}

// The folder part of `path` (before the last "/" or "\"); "/" for a file at the root, empty for a
// bare name.
std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    if (slash == std::string::npos) return {};
    return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

bool EndsWithPrm(const std::string& path) {
    return path.size() >= 3 && path.compare(path.size() - 3, 3, "prm") == 0;
}

// Loads the module with the current folder switched to the module's own folder, so that it finds
// the libraries it needs beside it; the current folder is put back afterwards. A relative path is
// taken from the current folder as it was. When the current folder does not fit the buffer it
// cannot be put back, so it is not switched.
win32::HMODULE LoadInOwnFolder(std::string path) {
    std::array<char, 1024> saved{};
    const win32::DWORD length =
        win32::GetCurrentDirectory(static_cast<win32::DWORD>(saved.size()), saved.data());
    const bool canRestore = length > 0 && length < saved.size();
    bool switched = false;
    if (canRestore) {
        if (!IsAbsolute(path)) path = std::string(saved.data()) + "/" + path;
        switched = win32::SetCurrentDirectory(FolderOf(path).c_str()) != win32::FALSE;
    }
    win32::HMODULE module = win32::LoadLibrary(path.c_str());
    if (switched) win32::SetCurrentDirectory(saved.data());
    return module;
}

} // namespace

Library::Library(std::string path, win32::HMODULE module)
    : path_(std::move(path)), name_(NameFromPath(path_)), module_(module) {
    LibraryManager::Instance().Register(this);
}

Library::~Library() {
    while (!tools_.empty()) {
        Tool* tool = tools_.back();
        tools_.pop_back();
        delete tool;
    }
    if (module_ != nullptr) win32::FreeLibrary(module_);
    if (LibraryManager::Exists()) LibraryManager::Instance().Deregister(this);
}

Library* Library::Load(const std::string& path, int& error) {
    error = 0;
    if (EndsWithPrm(path)) return LoadModelFile(path, error);
    return LoadToolLibrary(path, error);
}

void Library::SetCreator(Creator replacement) {
    creator = replacement != nullptr ? replacement : &CreateLibrary;
}

std::string Library::NameFromPath(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = path.find('.', start);
    return path.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
}

Library* Library::LoadToolLibrary(const std::string& path, int& error) {
    win32::HMODULE module = LoadInOwnFolder(path);
    if (module == nullptr) {
        error = kNotLoadable;
        return nullptr;
    }
    auto fail = [&](int code) -> Library* {
        win32::FreeLibrary(module);
        error = code;
        return nullptr;
    };
    auto getVersionEntry =
        reinterpret_cast<GetVersionFunction>(win32::GetProcAddress(module, kGetVersionName));
    if (getVersionEntry == nullptr) return fail(kNoGetVersion);
    if (getVersionEntry() != kToolLibraryVersion) return fail(kWrongVersion);
    auto getPluginEntry = reinterpret_cast<GetPluginFunction>(win32::GetProcAddress(module, kGetPluginName));
    if (getPluginEntry == nullptr) return fail(kNoGetPlugin);

    LibraryManager& manager = LibraryManager::Instance();
    Library* library = nullptr;
    for (int index = 0;; ++index) {
        CCameraPlugin* descriptor = getPluginEntry(index);
        if (descriptor == nullptr) break;
        // The first type registered under an identifier wins; later ones are dropped.
        if (manager.FindTool(descriptor->getIdentifier()) != nullptr) {
            descriptor->release();
            continue;
        }
        if (library == nullptr) {
            library = creator(path, module);
            if (library == nullptr) {
                descriptor->release();
                // Nothing of the module is in use any more, so it goes too.
                return fail(kCannotCreate);
            }
        }
        Plugin::Register(*library, descriptor);
    }
    // A file that brings no new type yields no library, and nothing would free its module: it stays
    // loaded for the rest of the process. That keeps whatever the module set up while its
    // descriptors were made and released valid, at the cost of one module handle.
    return library;
}

Library* Library::LoadModelFile(const std::string& path, int& error) {
    util::xml::Element root;
    if (const int status = root.Load(win32::ToNativePath(path)); status != util::xml::kOk) {
        const std::string line = "The model or template file \"" + path +
                                 "\" is left out: " + std::string(util::xml::StatusMessage(status)) + ".";
        win32::OutputDebugStringA(line.c_str());
        return nullptr;
    }
    const std::string_view name = root.GetName();
    if (!name.starts_with("VXB") && !name.starts_with("orb")) return nullptr;
    std::unique_ptr<plugins::TemplatePlugin> scripted;
    if (name == plugins::TemplatePlugin::kRootName) {
        scripted = std::make_unique<plugins::TemplatePlugin>(root, path);
        // As with tool libraries, the first type registered under an identifier wins.
        if (LibraryManager::Instance().FindTool(scripted->getIdentifier()) != nullptr) {
            const std::string line = "The template file \"" + path + "\" is left out: a tool type named \"" +
                                     scripted->getIdentifier() + "\" exists already.";
            win32::OutputDebugStringA(line.c_str());
            return nullptr;
        }
    }
    Library* library = creator(path, nullptr);
    if (library == nullptr) {
        error = kCannotCreate;
        return nullptr;
    }
    if (scripted != nullptr) {
        Plugin::Register(*library, scripted.release());
    } else {
        Template::Register(*library, root, FolderOf(path));
    }
    return library;
}

} // namespace vex::orb::core
