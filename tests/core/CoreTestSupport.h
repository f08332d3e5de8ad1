#pragma once

#include "core/CoreImplementation.h"
#include "core/CoreSubSystem.h"
#include "core/CurrentAdaptor.h"
#include "core/Hooks.h"
#include "platform/win32/MessageBox.h"
#include "platform/win32/Registry.h"
#include "tests/platform/win32/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace vex::orb::core::test {

using platform::win32::testing::TempFolder;

inline constexpr const char* kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

/// Puts every process-wide piece of the core back to "never started", so tests also pass when the
/// whole program runs in one process.
inline void ResetCoreState() {
    CoreImplementation::DestroyInstance();
    SetCurrentAdaptor(nullptr);
    Hooks::DestroyInstance();
    CoreSubSystem::SetCoreInitialized(false);
    CoreSubSystem::SetDestructionObserver({});
    platform::win32::RegistryReset();
    platform::win32::SetMessageBoxSilent(false);
}

/// A test whose documents folder (registry "Personal") is a fresh temporary folder.
class CoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetCoreState();
        platform::win32::RegistrySetValue(platform::win32::HKEY_CURRENT_USER, kShellFolders, "Personal",
                                          documents_.Path());
    }
    void TearDown() override { ResetCoreState(); }

    /// The data root as the file system sees it.
    std::filesystem::path DataRoot() const {
        return std::filesystem::path(documents_.Path()) / "Torva Labs" / "torvasuite";
    }

    TempFolder documents_;
};

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteFile(const std::filesystem::path& path, const std::string& contents) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << contents;
}

} // namespace vex::orb::core::test
