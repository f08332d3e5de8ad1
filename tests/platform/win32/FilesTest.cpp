#include "platform/win32/Files.h"

#include "tests/platform/win32/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>
#include <utility>
#include <vector>

using namespace vex::platform::win32;
using vex::platform::win32::testing::TempFolder;

namespace {

// Every (name, attributes) a search for `pattern` lists, in order.
std::vector<std::pair<std::string, DWORD>> List(const std::string& pattern) {
    std::vector<std::pair<std::string, DWORD>> found;
    WIN32_FIND_DATA data;
    HANDLE search = FindFirstFile(pattern.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return found;
    do {
        found.emplace_back(data.cFileName, data.dwFileAttributes);
    } while (FindNextFile(search, &data));
    EXPECT_EQ(GetLastError(), ERROR_NO_MORE_FILES);
    EXPECT_TRUE(FindClose(search));
    return found;
}

std::vector<std::string> Names(const std::vector<std::pair<std::string, DWORD>>& entries) {
    std::vector<std::string> names;
    for (const auto& entry : entries) names.push_back(entry.first);
    return names;
}

} // namespace

TEST(Win32Files, MakeDirectoriesBuildsMixedSeparatorPathsAndToleratesExistingFolders) {
    TempFolder temp;
    // The shape of a data path: a backslashed documents folder followed by forward-slashed folders.
    const std::string nested = temp.Path() + "\\Torva Labs\\torvasuite/data/core/";
    ASSERT_TRUE(MakeDirectories(nested));
    EXPECT_TRUE(std::filesystem::is_directory(temp.Path() + "/Torva Labs/torvasuite/data/core"));
    EXPECT_EQ(GetFileAttributes(nested.c_str()), FILE_ATTRIBUTE_DIRECTORY);

    EXPECT_TRUE(MakeDirectories(nested));
    EXPECT_TRUE(MakeDirectories(temp.Path() + "/Torva Labs/torvasuite/data/adaptor_maya2014"));
    EXPECT_TRUE(std::filesystem::is_directory(temp.Path() + "/Torva Labs/torvasuite/data/adaptor_maya2014"));
}

TEST(Win32Files, MakeDirectoriesFailsWhenAFileIsInTheWay) {
    TempFolder temp;
    temp.WriteFile("plain");
    EXPECT_FALSE(MakeDirectories(temp.Path() + "/plain"));
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    EXPECT_FALSE(MakeDirectories(temp.Path() + "/plain/below"));
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
}

TEST(Win32Files, AttributesAndCreateDirectoryErrors) {
    TempFolder temp;
    const std::string file = temp.WriteFile("file.txt");
    EXPECT_EQ(GetFileAttributes(temp.Path().c_str()), FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(GetFileAttributes(file.c_str()), FILE_ATTRIBUTE_NORMAL);

    EXPECT_EQ(GetFileAttributes((temp.Path() + "\\missing").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(GetFileAttributes((temp.Path() + "\\missing\\deeper").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);

    EXPECT_FALSE(CreateDirectory(temp.Path().c_str(), nullptr));
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    EXPECT_FALSE(CreateDirectory((temp.Path() + "\\a\\b").c_str(), nullptr));
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
    EXPECT_TRUE(CreateDirectory((temp.Path() + "\\a").c_str(), nullptr));
    EXPECT_EQ(GetFileAttributes((temp.Path() + "/a").c_str()), FILE_ATTRIBUTE_DIRECTORY);
}

TEST(Win32Files, FindFirstFileMatchesWildcardsWithoutCaseAndListsSorted) {
    TempFolder temp;
    temp.WriteFile("b.dll");
    temp.WriteFile("A.DLL", "12345");
    temp.WriteFile("c.prm");
    temp.WriteFile("cc.prm");
    temp.WriteFile("noext");
    std::filesystem::create_directory(temp.Path() + "/sub.dll");

    const auto dlls = List(temp.Path() + "\\*.dll");
    ASSERT_EQ(Names(dlls), (std::vector<std::string>{"A.DLL", "b.dll", "sub.dll"}));
    EXPECT_EQ(dlls[0].second, FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(dlls[2].second, FILE_ATTRIBUTE_DIRECTORY);

    EXPECT_EQ(Names(List(temp.Path() + "/?.prm")), (std::vector<std::string>{"c.prm"}));
    EXPECT_EQ(Names(List(temp.Path() + "/c*m")), (std::vector<std::string>{"c.prm", "cc.prm"}));
    EXPECT_EQ(Names(List(temp.Path() + "/*.*")),
              (std::vector<std::string>{".", "..", "A.DLL", "b.dll", "c.prm", "cc.prm", "noext", "sub.dll"}));

    WIN32_FIND_DATA data;
    HANDLE search = FindFirstFile((temp.Path() + "/a.dll").c_str(), &data);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    EXPECT_STREQ(data.cFileName, "A.DLL");
    EXPECT_EQ(data.nFileSizeLow, 5u);
    EXPECT_TRUE(FindClose(search));
}

TEST(Win32Files, FindFirstFileReportsNoMatchAndMissingFolder) {
    TempFolder temp;
    WIN32_FIND_DATA data;
    EXPECT_EQ(FindFirstFile((temp.Path() + "/*.prm").c_str(), &data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(FindFirstFile((temp.Path() + "/missing/*.prm").c_str(), &data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
}

TEST(Win32Files, CurrentDirectoryFollowsSetCurrentDirectory) {
    TempFolder temp;
    const DWORD needed = GetCurrentDirectory(0, nullptr);
    ASSERT_GT(needed, 1u);
    std::string original(needed, '\0');
    ASSERT_EQ(GetCurrentDirectory(needed, original.data()), needed - 1);
    original.resize(needed - 1);

    ASSERT_TRUE(MakeDirectories(temp.Path() + "\\inner"));
    ASSERT_TRUE(SetCurrentDirectory((temp.Path() + "\\inner").c_str()));
    char buffer[4096];
    const DWORD length = GetCurrentDirectory(sizeof(buffer), buffer);
    const std::string expected = std::filesystem::canonical(temp.Path() + "/inner").string();
    EXPECT_EQ(std::string(buffer, length), expected);

    // Relative paths now resolve below the new current folder.
    EXPECT_TRUE(MakeDirectories("one\\two"));
    EXPECT_TRUE(std::filesystem::is_directory(temp.Path() + "/inner/one/two"));

    EXPECT_FALSE(SetCurrentDirectory((temp.Path() + "/missing").c_str()));
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
    ASSERT_TRUE(SetCurrentDirectory(original.c_str()));
}

TEST(Win32Files, DeleteFileRemovesFilesOnly) {
    TempFolder temp;
    const std::string file = temp.WriteFile("gone.txt");
    EXPECT_TRUE(DeleteFile(ToNativePath(file).c_str()));
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_FALSE(DeleteFile(file.c_str()));
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(DeleteFile(temp.Path().c_str()));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
}

TEST(Win32Errors, LastErrorIsPerThread) {
    SetLastError(ERROR_MORE_DATA);
    DWORD seenByOtherThread = 1;
    std::thread([&] { seenByOtherThread = GetLastError(); }).join();
    EXPECT_EQ(seenByOtherThread, ERROR_SUCCESS);
    EXPECT_EQ(GetLastError(), ERROR_MORE_DATA);
}
