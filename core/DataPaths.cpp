#include "core/DataPaths.h"

#include "platform/win32/Files.h"
#include "platform/win32/Registry.h"

#include <array>

namespace vex::orb::core {

namespace win32 = platform::win32;

namespace {

constexpr win32::LONG kSuccess = static_cast<win32::LONG>(win32::ERROR_SUCCESS);

// Reads a string value into a buffer of the size the system has always used; empty when the key or
// the value is missing, or the value does not fit.
std::string ReadRegistryString(win32::HKEY hive, const char* key, const char* value) {
    win32::HKEY opened = nullptr;
    if (win32::RegOpenKeyEx(hive, key, 0, win32::KEY_READ, &opened) != kSuccess) return {};
    std::array<win32::BYTE, 1024> buffer{};
    win32::DWORD size = static_cast<win32::DWORD>(buffer.size());
    win32::DWORD type = win32::REG_NONE;
    const win32::LONG status = win32::RegQueryValueEx(opened, value, nullptr, &type, buffer.data(), &size);
    win32::RegCloseKey(opened);
    if (status != kSuccess || type != win32::REG_SZ) return {};
    buffer.back() = 0;
    return std::string(reinterpret_cast<const char*>(buffer.data()));
}

} // namespace

std::string GetDataRoot() {
    const std::string documents = ReadRegistryString(
        win32::HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
        "Personal");
    if (documents.empty()) return {};
    return documents + "\\Torva Labs\\torvasuite";
}

std::string JoinDataPath(const std::string& root, const std::string& below) {
    if (root.empty() && !below.empty() && below.front() == '/') return below.substr(1);
    return root + below;
}

bool MakeDirectories(const std::string& path) {
    return win32::MakeDirectories(path);
}

std::string GetInstallPath(const std::string& kind) {
    if (kind == "data") return ":/torvasuite/data";
    const std::string prefix =
        ReadRegistryString(win32::HKEY_LOCAL_MACHINE, "SOFTWARE\\Wow6432Node\\Torva Labs", "path");
    if (prefix.empty()) return {};
    if (kind == "plugin") return prefix + "/torvasuite/plugins/win/x64";
    if (kind == "doc") return prefix + "/torvasuite/doc";
    if (kind == "prm") return prefix + "/torvasuite/prm";
    if (kind.empty() || kind == "orb") return prefix + "/torvasuite";
    return prefix;
}

} // namespace vex::orb::core
