#pragma once

#include "platform/win32/Registry.h"

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

/// For its lifetime, the user's documents folder (registry "Personal") is a fresh temporary folder
/// named after `prefix`, so that a benchmark's core writes nothing into the real one. Declare it
/// before the host, so that it outlives the core.
class BenchDocuments {
public:
    explicit BenchDocuments(const std::string& prefix) {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                (prefix + "-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
        vex::platform::win32::RegistrySetValue(vex::platform::win32::HKEY_CURRENT_USER, kShellFolders,
                                               "Personal", path_.string());
    }
    ~BenchDocuments() {
        vex::platform::win32::RegistryDeleteValue(vex::platform::win32::HKEY_CURRENT_USER, kShellFolders,
                                                  "Personal");
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    BenchDocuments(const BenchDocuments&) = delete;
    BenchDocuments& operator=(const BenchDocuments&) = delete;

private:
    static constexpr const char* kShellFolders =
        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    std::filesystem::path path_;
};
