#include "platform/win32/Modules.h"

#include "tests/platform/win32/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace vex::platform::win32;
using vex::platform::win32::testing::TempFolder;

TEST(Win32Modules, DllNamesMapToSharedLibraryNames) {
    EXPECT_EQ(MapLibraryName("plugins\\win\\x64\\Tool.DLL"),
              std::string("plugins/win/x64/Tool") + kSharedLibrarySuffix);
    EXPECT_EQ(MapLibraryName("Wintab32.dll"), std::string("Wintab32") + kSharedLibrarySuffix);
    EXPECT_EQ(MapLibraryName("notes.dll.txt"), "notes.dll.txt");
    EXPECT_EQ(MapLibraryName("libm.so.6"), "libm.so.6");
}

TEST(Win32Modules, LoadFailuresSetWindowsCodes) {
    TempFolder temp;
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(LoadLibrary((temp.Path() + "\\missing.dll").c_str()), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);

    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(LoadLibrary("torva-no-such-library.dll"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);

    // "fake.dll" is looked for as fake.so, which exists but is text.
    temp.WriteFile(std::string("fake") + kSharedLibrarySuffix, "not a library");
    EXPECT_EQ(LoadLibrary((temp.Path() + "/fake.dll").c_str()), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_BAD_EXE_FORMAT);

    EXPECT_EQ(LoadLibrary(""), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST(Win32Modules, SystemLibraryLoadsResolvesAndKnowsItsFile) {
    HMODULE math = LoadLibrary("libm.so.6");
    ASSERT_NE(math, nullptr);
    using Cosine = double (*)(double);
    auto cosine = reinterpret_cast<Cosine>(GetProcAddress(math, "cos"));
    ASSERT_NE(cosine, nullptr);
    EXPECT_DOUBLE_EQ(cosine(0.0), 1.0);

    EXPECT_EQ(GetProcAddress(math, "no_such_function_here"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_PROC_NOT_FOUND);

    char path[4096];
    const DWORD length = GetModuleFileName(math, path, sizeof(path));
    ASSERT_GT(length, 0u);
    EXPECT_EQ(path[0], '/');
    EXPECT_TRUE(std::filesystem::exists(path)) << path;
    EXPECT_NE(std::string(path).find("libm"), std::string::npos) << path;
    EXPECT_TRUE(FreeLibrary(math));
}

TEST(Win32Modules, ProgramFileNameAndTruncation) {
    char path[4096];
    const DWORD length = GetModuleFileName(nullptr, path, sizeof(path));
    ASSERT_GT(length, 0u);
    const std::string program(path, length);
    EXPECT_TRUE(std::filesystem::equivalent(program, "/proc/self/exe"));
    // This test's own code lies in the program.
    EXPECT_EQ(GetModulePathFromAddress(reinterpret_cast<const void*>(&MapLibraryName)), program);

    char small[5];
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(GetModuleFileName(nullptr, small, sizeof(small)), sizeof(small));
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(std::string(small), program.substr(0, 4));
}
