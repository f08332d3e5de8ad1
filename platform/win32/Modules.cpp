#include "platform/win32/Modules.h"

#include <dlfcn.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace vex::platform::win32 {

namespace {

std::string ProgramPath() {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
}

// The path of a loaded object as the dynamic linker records it; the program itself has none.
std::string LinkMapPath(const link_map* map) {
    if (map == nullptr) return "";
    if (map->l_name == nullptr || map->l_name[0] == '\0') return ProgramPath();
    std::error_code error;
    const std::filesystem::path path = std::filesystem::absolute(map->l_name, error);
    return error ? std::string(map->l_name) : path.string();
}

bool EndsWithDll(const std::string& name) {
    if (name.size() < 4) return false;
    std::string suffix = name.substr(name.size() - 4);
    std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return suffix == ".dll";
}

DWORD LoadFailureCode(const std::string& file, const char* message) {
    if (file.find('/') != std::string::npos) {
        struct stat info {};
        if (stat(file.c_str(), &info) != 0) return ERROR_MOD_NOT_FOUND;
    }
    const std::string text = message != nullptr ? message : "";
    if (text.find("undefined symbol") != std::string::npos) return ERROR_PROC_NOT_FOUND;
    if (text.find("No such file") != std::string::npos) return ERROR_MOD_NOT_FOUND;
    return ERROR_BAD_EXE_FORMAT;
}

} // namespace

std::string MapLibraryName(const std::string& name) {
    std::string mapped = name;
    std::replace(mapped.begin(), mapped.end(), '\\', '/');
    if (EndsWithDll(mapped)) mapped.replace(mapped.size() - 4, 4, kSharedLibrarySuffix);
    return mapped;
}

HMODULE LoadLibrary(const char* name) {
    if (name == nullptr || name[0] == '\0') {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::string file = MapLibraryName(name);
    if (file.find('/') != std::string::npos) {
        // An absolute path keeps the module's recorded file name valid after the current folder moves.
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(file, error);
        if (!error) file = absolute.string();
    }
    dlerror();
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        SetLastError(LoadFailureCode(file, dlerror()));
        return nullptr;
    }
    return static_cast<HMODULE>(handle);
}

FARPROC GetProcAddress(HMODULE module, const char* name) {
    if (module == nullptr || name == nullptr) {
        SetLastError(module == nullptr ? ERROR_INVALID_HANDLE : ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    dlerror();
    void* address = dlsym(static_cast<void*>(module), name);
    if (address == nullptr) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<FARPROC>(address);
}

BOOL FreeLibrary(HMODULE module) {
    if (module == nullptr || dlclose(static_cast<void*>(module)) != 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

DWORD GetModuleFileName(HMODULE module, char* buffer, DWORD size) {
    std::string path;
    if (module == nullptr) {
        path = ProgramPath();
    } else {
        link_map* map = nullptr;
        if (dlinfo(static_cast<void*>(module), RTLD_DI_LINKMAP, &map) == 0) path = LinkMapPath(map);
    }
    if (path.empty()) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return 0;
    }
    if (buffer == nullptr || size == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    if (path.size() >= size) {
        std::memcpy(buffer, path.data(), size - 1);
        buffer[size - 1] = '\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    std::memcpy(buffer, path.c_str(), path.size() + 1);
    return static_cast<DWORD>(path.size());
}

std::string GetModulePathFromAddress(const void* address) {
    Dl_info info{};
    link_map* map = nullptr;
    if (dladdr1(address, &info, reinterpret_cast<void**>(&map), RTLD_DL_LINKMAP) == 0) return "";
    return LinkMapPath(map);
}

} // namespace vex::platform::win32
