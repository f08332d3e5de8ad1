#include "platform/win32/Files.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace vex::platform::win32 {

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// "*" and "?" matching without regard to ASCII case.
bool WildcardMatch(const std::string& pattern, const std::string& name) {
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t starAt = std::string::npos; // pattern position after the last "*"
    std::size_t resumeAt = 0;               // name position that "*" is currently stretched to
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starAt = ++p;
            resumeAt = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' || LowerAscii(pattern[p]) == LowerAscii(name[n]))) {
            ++p;
            ++n;
        } else if (starAt != std::string::npos) {
            p = starAt;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

bool NameMatches(const std::string& pattern, const std::string& name) {
    if (WildcardMatch(pattern, name)) return true;
    // A final ".*" also stands for "no extension at all", so "*.*" and "name.*" match "name".
    return pattern.size() >= 2 && pattern.ends_with(".*") &&
           WildcardMatch(pattern.substr(0, pattern.size() - 2), name);
}

std::string ParentOf(const std::string& nativePath) {
    const std::string::size_type slash = nativePath.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return nativePath.substr(0, slash);
}

struct FoundEntry {
    std::string name;
    DWORD attributes;
    unsigned long long size;
};

struct Search {
    std::vector<FoundEntry> entries;
    std::size_t next = 0;
};

struct Searches {
    std::mutex mutex;
    std::map<HANDLE, std::unique_ptr<Search>> open;
};

Searches& GetSearches() {
    static Searches searches;
    return searches;
}

void Fill(const FoundEntry& entry, WIN32_FIND_DATA* data) {
    if (data == nullptr) return;
    std::memset(data, 0, sizeof(*data));
    data->dwFileAttributes = entry.attributes;
    data->nFileSizeHigh = static_cast<DWORD>(entry.size >> 32);
    data->nFileSizeLow = static_cast<DWORD>(entry.size & 0xFFFFFFFFu);
    const std::size_t length = std::min<std::size_t>(entry.name.size(), MAX_PATH - 1);
    std::memcpy(data->cFileName, entry.name.data(), length);
}

DWORD AttributesOf(const struct stat& info) {
    return S_ISDIR(info.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
}

} // namespace

std::string ToNativePath(const std::string& path) {
    std::string native = path;
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
}

DWORD GetFileAttributes(const char* path) {
    if (path == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_FILE_ATTRIBUTES;
    }
    const std::string native = ToNativePath(path);
    struct stat info {};
    if (stat(native.c_str(), &info) == 0) return AttributesOf(info);
    const int error = errno;
    DWORD code = ErrorFromErrno(error);
    if (error == ENOENT) {
        struct stat parent {};
        if (stat(ParentOf(native).c_str(), &parent) != 0) code = ERROR_PATH_NOT_FOUND;
    }
    SetLastError(code);
    return INVALID_FILE_ATTRIBUTES;
}

BOOL CreateDirectory(const char* path, SECURITY_ATTRIBUTES*) {
    if (path == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (mkdir(ToNativePath(path).c_str(), 0777) == 0) return TRUE;
    SetLastError(errno == ENOENT ? ERROR_PATH_NOT_FOUND : ErrorFromErrno(errno));
    return FALSE;
}

bool MakeDirectories(const std::string& path) {
    std::string native = ToNativePath(path);
    while (native.size() > 1 && native.back() == '/') native.pop_back();
    if (native.empty()) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return false;
    }
    if (native == "/") return true;
    if (native.find('/') != std::string::npos) {
        const std::string parent = ParentOf(native);
        if (GetFileAttributes(parent.c_str()) == INVALID_FILE_ATTRIBUTES && !MakeDirectories(parent)) {
            return false;
        }
    }
    if (CreateDirectory(native.c_str(), nullptr)) return true;
    if (GetLastError() != ERROR_ALREADY_EXISTS) return false;
    const bool isFolder = GetFileAttributes(native.c_str()) == FILE_ATTRIBUTE_DIRECTORY;
    SetLastError(ERROR_ALREADY_EXISTS);
    return isFolder;
}

DWORD GetCurrentDirectory(DWORD size, char* buffer) {
    std::vector<char> current(4096);
    while (getcwd(current.data(), current.size()) == nullptr) {
        if (errno != ERANGE) {
            SetLastError(ErrorFromErrno(errno));
            return 0;
        }
        current.resize(current.size() * 2);
    }
    const std::size_t length = std::strlen(current.data());
    if (buffer == nullptr || size <= length) return static_cast<DWORD>(length + 1);
    std::memcpy(buffer, current.data(), length + 1);
    return static_cast<DWORD>(length);
}

BOOL SetCurrentDirectory(const char* path) {
    if (path == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (chdir(ToNativePath(path).c_str()) == 0) return TRUE;
    SetLastError(errno == ENOENT ? ERROR_PATH_NOT_FOUND : ErrorFromErrno(errno));
    return FALSE;
}

HANDLE FindFirstFile(const char* pattern, WIN32_FIND_DATA* data) {
    if (pattern == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    const std::string native = ToNativePath(pattern);
    const std::string folder = ParentOf(native);
    const std::string namePattern = native.substr(native.find_last_of('/') + 1);
    if (namePattern.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }

    DIR* directory = opendir(folder.c_str());
    if (directory == nullptr) {
        const int error = errno;
        SetLastError(error == ENOENT || error == ENOTDIR ? ERROR_PATH_NOT_FOUND : ErrorFromErrno(error));
        return INVALID_HANDLE_VALUE;
    }
    auto search = std::make_unique<Search>();
    while (const dirent* entry = readdir(directory)) {
        const std::string name = entry->d_name;
        if (!NameMatches(namePattern, name)) continue;
        struct stat info {};
        const std::string full = folder == "/" ? "/" + name : folder + "/" + name;
        const bool known = stat(full.c_str(), &info) == 0; // a dangling link still counts as a file
        search->entries.push_back({name, known ? AttributesOf(info) : FILE_ATTRIBUTE_NORMAL,
                                   known ? static_cast<unsigned long long>(info.st_size) : 0ULL});
    }
    closedir(directory);
    if (search->entries.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    std::sort(search->entries.begin(), search->entries.end(), [](const FoundEntry& a, const FoundEntry& b) {
        std::string lowerA = a.name;
        std::string lowerB = b.name;
        std::transform(lowerA.begin(), lowerA.end(), lowerA.begin(), LowerAscii);
        std::transform(lowerB.begin(), lowerB.end(), lowerB.begin(), LowerAscii);
        return lowerA != lowerB ? lowerA < lowerB : a.name < b.name;
    });

    Fill(search->entries[0], data);
    search->next = 1;
    Searches& searches = GetSearches();
    std::lock_guard lock(searches.mutex);
    const HANDLE handle = search.get();
    searches.open.emplace(handle, std::move(search));
    return handle;
}

BOOL FindNextFile(HANDLE handle, WIN32_FIND_DATA* data) {
    Searches& searches = GetSearches();
    std::lock_guard lock(searches.mutex);
    const auto found = searches.open.find(handle);
    if (found == searches.open.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    Search& search = *found->second;
    if (search.next >= search.entries.size()) {
        SetLastError(ERROR_NO_MORE_FILES);
        return FALSE;
    }
    Fill(search.entries[search.next++], data);
    return TRUE;
}

BOOL FindClose(HANDLE handle) {
    Searches& searches = GetSearches();
    std::lock_guard lock(searches.mutex);
    if (searches.open.erase(handle) == 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

BOOL DeleteFile(const char* path) {
    if (path == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const std::string native = ToNativePath(path);
    if (unlink(native.c_str()) == 0) return TRUE;
    const int error = errno;
    DWORD code = ErrorFromErrno(error);
    if (error == ENOENT) {
        struct stat parent {};
        if (stat(ParentOf(native).c_str(), &parent) != 0) code = ERROR_PATH_NOT_FOUND;
    }
    SetLastError(code);
    return FALSE;
}

} // namespace vex::platform::win32
