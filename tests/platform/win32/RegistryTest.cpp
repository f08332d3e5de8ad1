#include "platform/win32/Registry.h"

#include "platform/win32/Modules.h"

#include <gtest/gtest.h>

#include <string>

using namespace vex::platform::win32;

namespace {

constexpr const char* kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const char* kInstall = "SOFTWARE\\Wow6432Node\\Torva Labs";

// Reads a string value the way the system does: open, query into a 1024-byte buffer, close.
LONG ReadString(HKEY root, const char* subKey, const char* name, std::string& out) {
    HKEY key = nullptr;
    LONG result = RegOpenKeyEx(root, subKey, 0, KEY_READ, &key);
    if (result != static_cast<LONG>(ERROR_SUCCESS)) return result;
    char buffer[1024];
    DWORD size = sizeof(buffer);
    DWORD type = REG_NONE;
    result = RegQueryValueEx(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    if (result == static_cast<LONG>(ERROR_SUCCESS)) {
        EXPECT_EQ(type, REG_SZ);
        EXPECT_EQ(size, std::string(buffer).size() + 1);
        out = buffer;
    }
    EXPECT_EQ(RegCloseKey(key), static_cast<LONG>(ERROR_SUCCESS));
    return result;
}

class Win32Registry : public ::testing::Test {
protected:
    void TearDown() override { RegistryReset(); }
};

} // namespace

TEST_F(Win32Registry, DefaultsGiveDocumentsFolderAndInstallPrefix) {
    std::string documents;
    ASSERT_EQ(ReadString(HKEY_CURRENT_USER, kShellFolders, "Personal", documents), 0);
    EXPECT_TRUE(documents.ends_with("/Documents")) << documents;
    EXPECT_EQ(documents.front(), '/');

    // The test program lies in <prefix>/tests/, so its install prefix is the folder above that.
    std::string prefix;
    ASSERT_EQ(ReadString(HKEY_LOCAL_MACHINE, kInstall, "path", prefix), 0);
    char program[4096];
    ASSERT_GT(GetModuleFileName(nullptr, program, sizeof(program)), 0u);
    const std::string programPath = program;
    const std::string folder = programPath.substr(0, programPath.find_last_of('/'));
    EXPECT_EQ(prefix, folder.substr(0, folder.find_last_of('/')));
}

TEST_F(Win32Registry, KeysAndValueNamesIgnoreCase) {
    std::string documents;
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER,
                         "SOFTWARE\\microsoft\\WINDOWS\\CurrentVersion\\Explorer\\shell folders", "PERSONAL",
                         documents),
              0);
    EXPECT_FALSE(documents.empty());
}

TEST_F(Win32Registry, OverridesDeletionAndReset) {
    RegistrySetValue(HKEY_CURRENT_USER, kShellFolders, "Personal", "C:\\Users\\ann\\Documents");
    RegistrySetValue(HKEY_LOCAL_MACHINE, "Software\\Other", "", "default value");
    std::string value;
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kShellFolders, "Personal", value), 0);
    EXPECT_EQ(value, "C:\\Users\\ann\\Documents");
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, "Software\\Other", nullptr, value), 0);
    EXPECT_EQ(value, "default value");

    EXPECT_TRUE(RegistryDeleteValue(HKEY_CURRENT_USER, kShellFolders, "personal"));
    EXPECT_FALSE(RegistryDeleteValue(HKEY_CURRENT_USER, kShellFolders, "personal"));
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kShellFolders, "Personal", value),
              static_cast<LONG>(ERROR_FILE_NOT_FOUND));

    EXPECT_TRUE(RegistryDeleteKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Wow6432Node"));
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, kInstall, "path", value),
              static_cast<LONG>(ERROR_FILE_NOT_FOUND));

    RegistryReset();
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kShellFolders, "Personal", value), 0);
    EXPECT_TRUE(value.ends_with("/Documents"));
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, kInstall, "path", value), 0);
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, "Software\\Other", nullptr, value),
              static_cast<LONG>(ERROR_FILE_NOT_FOUND));
}

TEST_F(Win32Registry, BufferSizeCountsTheTerminatingNul) {
    RegistrySetValue(HKEY_CURRENT_USER, "Software\\Test", "name", "abc");
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Test", 0, KEY_READ, &key), 0);

    DWORD size = 0;
    EXPECT_EQ(RegQueryValueEx(key, "name", nullptr, nullptr, nullptr, &size), 0);
    EXPECT_EQ(size, 4u);

    BYTE buffer[8] = {'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x'};
    size = 3;
    EXPECT_EQ(RegQueryValueEx(key, "name", nullptr, nullptr, buffer, &size),
              static_cast<LONG>(ERROR_MORE_DATA));
    EXPECT_EQ(size, 4u);

    size = 4;
    EXPECT_EQ(RegQueryValueEx(key, "name", nullptr, nullptr, buffer, &size), 0);
    EXPECT_EQ(size, 4u);
    EXPECT_STREQ(reinterpret_cast<const char*>(buffer), "abc");

    EXPECT_EQ(RegQueryValueEx(key, "name", nullptr, nullptr, buffer, nullptr),
              static_cast<LONG>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(RegCloseKey(key), 0);
}

TEST_F(Win32Registry, MissingKeysValuesAndHandles) {
    HKEY key = reinterpret_cast<HKEY>(1);
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Nobody\\Here", 0, KEY_READ, &key),
              static_cast<LONG>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(key, nullptr);

    ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, kInstall, 0, KEY_READ, &key), 0);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueEx(key, "no such value", nullptr, nullptr, nullptr, &size),
              static_cast<LONG>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(RegCloseKey(key), 0);
    EXPECT_EQ(RegCloseKey(key), static_cast<LONG>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(RegQueryValueEx(key, "path", nullptr, nullptr, nullptr, &size),
              static_cast<LONG>(ERROR_INVALID_HANDLE));
}
