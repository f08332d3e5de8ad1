#include "platform/win32/Registry.h"

#include "platform/win32/Modules.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace vex::platform::win32 {

namespace {

constexpr const char* kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const char* kInstallKey = "SOFTWARE\\Wow6432Node\\Torva Labs";

enum class Hive { kCurrentUser, kLocalMachine };

// An open key: which hive, and the key's path in lower case.
struct OpenKey {
    Hive hive;
    std::string path;
};

struct StoredValue {
    std::string name; // as first written; lookups use the map's lower-case key
    std::string data;
};

using Values = std::map<std::string, StoredValue>;
using KeyId = std::pair<Hive, std::string>;

struct Store {
    std::mutex mutex;
    std::map<KeyId, Values> keys; // every existing key, parents included; hive roots are implicit
    std::map<const OpenKey*, std::unique_ptr<OpenKey>> open; // handles handed out and not closed
};

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

std::string JoinKeyPath(const std::string& parent, const std::string& child) {
    if (parent.empty()) return child;
    if (child.empty()) return parent;
    return parent + "\\" + child;
}

std::string HomeDirectory() {
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr && found->pw_dir[0] != '\0') {
        return found->pw_dir;
    }
    const char* home = std::getenv("HOME");
    return home != nullptr ? home : "";
}

void MarkerForThisLibrary() {}

std::string InstallPrefix() {
    // The binary lies in <prefix>/<folder>/<file>: drop the file name, then the folder.
    std::string path = GetModulePathFromAddress(reinterpret_cast<const void*>(&MarkerForThisLibrary));
    for (int level = 0; level < 2; ++level) {
        const std::string::size_type slash = path.find_last_of('/');
        if (slash == std::string::npos) return "";
        path.erase(slash == 0 ? 1 : slash);
    }
    return path;
}

// Must be called with the store's mutex held.
void SetValueLocked(Store& store, Hive hive, const std::string& subKey, const std::string& name,
                    const std::string& value) {
    const std::string path = Lower(subKey);
    for (std::string::size_type at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 1)) {
        store.keys[{hive, path.substr(0, at)}];
    }
    store.keys[{hive, path}][Lower(name)] = StoredValue{name, value};
}

void InstallDefaultsLocked(Store& store) {
    store.keys.clear();
    const std::string home = HomeDirectory();
    if (!home.empty()) {
        SetValueLocked(store, Hive::kCurrentUser, kShellFoldersKey, "Personal", home + "/Documents");
    }
    const std::string prefix = InstallPrefix();
    if (!prefix.empty()) SetValueLocked(store, Hive::kLocalMachine, kInstallKey, "path", prefix);
}

Store& GetStore() {
    static Store* store = [] {
        auto* created = new Store; // never destroyed, so handles stay usable during static destruction
        InstallDefaultsLocked(*created);
        return created;
    }();
    return *store;
}

// Resolves a hive root or an open handle; must be called with the mutex held.
bool ResolveLocked(Store& store, HKEY key, OpenKey& resolved) {
    if (key == HKEY_CURRENT_USER) {
        resolved = {Hive::kCurrentUser, ""};
        return true;
    }
    if (key == HKEY_LOCAL_MACHINE) {
        resolved = {Hive::kLocalMachine, ""};
        return true;
    }
    const auto* handle = reinterpret_cast<const OpenKey*>(key);
    if (store.open.count(handle) == 0) return false;
    resolved = *handle;
    return true;
}

bool IsRoot(HKEY key) {
    return key == HKEY_CURRENT_USER || key == HKEY_LOCAL_MACHINE;
}

Hive HiveOf(HKEY root) {
    return root == HKEY_LOCAL_MACHINE ? Hive::kLocalMachine : Hive::kCurrentUser;
}

} // namespace

LONG RegOpenKeyEx(HKEY root, const char* subKey, DWORD, REGSAM, HKEY* result) {
    if (result == nullptr) return static_cast<LONG>(ERROR_INVALID_PARAMETER);
    *result = nullptr;
    Store& store = GetStore();
    std::lock_guard lock(store.mutex);
    OpenKey parent;
    if (!ResolveLocked(store, root, parent)) return static_cast<LONG>(ERROR_INVALID_HANDLE);
    OpenKey opened{parent.hive, JoinKeyPath(parent.path, Lower(subKey != nullptr ? subKey : ""))};
    if (!opened.path.empty() && store.keys.count({opened.hive, opened.path}) == 0) {
        return static_cast<LONG>(ERROR_FILE_NOT_FOUND);
    }
    auto handle = std::make_unique<OpenKey>(std::move(opened));
    const OpenKey* raw = handle.get();
    store.open.emplace(raw, std::move(handle));
    *result = reinterpret_cast<HKEY>(const_cast<OpenKey*>(raw));
    return static_cast<LONG>(ERROR_SUCCESS);
}

LONG RegQueryValueEx(HKEY key, const char* name, DWORD* reserved, DWORD* type, BYTE* data, DWORD* size) {
    if (reserved != nullptr || (data != nullptr && size == nullptr)) {
        return static_cast<LONG>(ERROR_INVALID_PARAMETER);
    }
    Store& store = GetStore();
    std::lock_guard lock(store.mutex);
    OpenKey resolved;
    if (!ResolveLocked(store, key, resolved)) return static_cast<LONG>(ERROR_INVALID_HANDLE);
    const auto found = store.keys.find({resolved.hive, resolved.path});
    if (found == store.keys.end()) return static_cast<LONG>(ERROR_FILE_NOT_FOUND);
    const auto value = found->second.find(Lower(name != nullptr ? name : ""));
    if (value == found->second.end()) return static_cast<LONG>(ERROR_FILE_NOT_FOUND);

    const std::string& text = value->second.data;
    const auto needed = static_cast<DWORD>(text.size() + 1);
    if (type != nullptr) *type = REG_SZ;
    if (data == nullptr) {
        if (size != nullptr) *size = needed;
        return static_cast<LONG>(ERROR_SUCCESS);
    }
    if (*size < needed) {
        *size = needed;
        return static_cast<LONG>(ERROR_MORE_DATA);
    }
    std::copy(text.begin(), text.end(), data);
    data[text.size()] = 0;
    *size = needed;
    return static_cast<LONG>(ERROR_SUCCESS);
}

LONG RegCloseKey(HKEY key) {
    if (IsRoot(key)) return static_cast<LONG>(ERROR_SUCCESS);
    Store& store = GetStore();
    std::lock_guard lock(store.mutex);
    const auto* handle = reinterpret_cast<const OpenKey*>(key);
    if (store.open.erase(handle) == 0) return static_cast<LONG>(ERROR_INVALID_HANDLE);
    return static_cast<LONG>(ERROR_SUCCESS);
}

void RegistrySetValue(HKEY root, const std::string& subKey, const std::string& name,
                      const std::string& value) {
    if (!IsRoot(root)) return;
    Store& store = GetStore();
    std::lock_guard lock(store.mutex);
    SetValueLocked(store, HiveOf(root), subKey, name, value);
}

bool RegistryDeleteValue(HKEY root, const std::string& subKey, const std::string& name) {
    if (!IsRoot(root)) return false;
    Store& store = GetStore();
    std::lock_guard lock(store.mutex);
    const auto found = store.keys.find({HiveOf(root), Lower(subKey)});
    return found != store.keys.end() && found->second.erase(Lower(name)) > 0;
}

bool RegistryDeleteKey(HKEY root, const std::string& subKey) {
    if (!IsRoot(root) || subKey.empty()) return false;
    Store& store = GetStore();
    std::lock_guard lock(store.mutex);
    const Hive hive = HiveOf(root);
    const std::string path = Lower(subKey);
    const std::string below = path + "\\";
    const auto erased = std::erase_if(store.keys, [&](const auto& entry) {
        const KeyId& id = entry.first;
        return id.first == hive && (id.second == path || id.second.starts_with(below));
    });
    return erased > 0;
}

void RegistryReset() {
    Store& store = GetStore();
    std::lock_guard lock(store.mutex);
    InstallDefaultsLocked(store);
}

} // namespace vex::platform::win32
