#include "tests/platform/win32/TempFolder.h"
#include "tests/support/SaveFaults.h"
#include "tests/support/SmallDisk.h"
#include "util/AtomicFile.h"
#include "util/AtomicWriteHook.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

namespace vex::util::test {
namespace {

using platform::win32::testing::TempFolder;

// A text of many lines, so a write cut part-way is easy to tell from a whole one.
std::string Lines(const std::string& word, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += word + " " + std::to_string(i) + "\n";
    return text;
}

int FilesIn(const std::string& folder) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
    return count;
}

class AtomicFileFault : public ::testing::Test {
protected:
    void TearDown() override { SetAtomicWriteHook({}); }

    // Fails the given step with `code` on every write.
    static void FailAt(AtomicWriteStep failing, int code) {
        SetAtomicWriteHook(
            [failing, code](AtomicWriteStep step, std::size_t written) {
                return step == failing && (step != AtomicWriteStep::kWrite || written >= 1024) ? code : 0;
            },
            512);
    }

    TempFolder folder_;
};

TEST_F(AtomicFileFault, AKillAtAnyPointLeavesTheOldFileOrTheNewOneWhole) {
    const std::string path = folder_.Path() + "/notes.txt";
    const std::string before = Lines("old", 300);
    const std::string after = Lines("new", 500);
    const vex::test::CrashReport report =
        vex::test::CrashDuringSave(path, before, 700, [&] { WriteFileAtomic(path, after); });
    EXPECT_TRUE(report.failures.empty()) << report.failures.front();
    EXPECT_EQ(report.saved, after);
    EXPECT_EQ(report.oldKept, static_cast<int>(vex::test::KillPoints(after.size(), 700).size()) - 1);
    EXPECT_EQ(report.newWhole, 1);
}

TEST_F(AtomicFileFault, AFailedStepKeepsTheOldFileLeavesNoTemporaryAndSaysWhy) {
    struct Case {
        AtomicWriteStep step;
        int code;
        const char* prefix;
    };
    const Case cases[] = {
        {AtomicWriteStep::kCreate, EROFS, "cannot create a temporary file for "},
        {AtomicWriteStep::kWrite, ENOSPC, "cannot write "},
        {AtomicWriteStep::kSync, EIO, "cannot write "},
        {AtomicWriteStep::kRename, EACCES, "cannot replace "},
    };
    const std::string path = folder_.WriteFile("settings.xml", "kept");
    for (const Case& c : cases) {
        FailAt(c.step, c.code);
        std::string error;
        EXPECT_FALSE(WriteFileAtomic(path, Lines("new", 400), &error));
        EXPECT_EQ(error, c.prefix + path + ": " + std::strerror(c.code));
        EXPECT_EQ(LastWriteError(), error);
        EXPECT_EQ(WithWriteError("Not saved."), "Not saved. (" + error + ")");
        std::string now;
        ASSERT_TRUE(ReadWholeFile(path, now));
        EXPECT_EQ(now, "kept");
        EXPECT_EQ(FilesIn(folder_.Path()), 1)
            << "a temporary file was left after step " << static_cast<int>(c.step);
    }
    SetAtomicWriteHook({});
    EXPECT_TRUE(WriteFileAtomic(path, "fresh"));
    EXPECT_EQ(LastWriteError(), "") << "a success forgets the earlier failure";
    ClearLastWriteError();
    EXPECT_EQ(WithWriteError("Not saved."), "Not saved.");
}

TEST_F(AtomicFileFault, AReadOnlyFolderRefusesTheWriteAndKeepsTheFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop root; the read-only disk case covers it";
    const std::string path = folder_.WriteFile("profile.ccp", "kept");
    ASSERT_EQ(::chmod(folder_.Path().c_str(), 0555), 0);
    std::string error;
    const bool written = WriteFileAtomic(path, "new", &error);
    ::chmod(folder_.Path().c_str(), 0755);
    EXPECT_FALSE(written);
    EXPECT_EQ(error, "cannot create a temporary file for " + path + ": " + std::strerror(EACCES));
    std::string now;
    ASSERT_TRUE(ReadWholeFile(path, now));
    EXPECT_EQ(now, "kept");
}

// The same on a real read-only file system, which stops root too.
TEST_F(AtomicFileFault, AReadOnlyDiskRefusesTheWriteAndKeepsTheFile) {
    const auto leaveOldFile = [](const std::string& disk) { WriteFileAtomic(disk + "/profile.ccp", "kept"); };
    const auto saveOnIt = [](const std::string& disk) -> std::string {
        const std::string path = disk + "/profile.ccp";
        std::string error, now;
        if (WriteFileAtomic(path, "new", &error)) return "the write went through";
        if (error != "cannot create a temporary file for " + path + ": " + std::strerror(EROFS))
            return "the error was: " + error;
        if (!ReadWholeFile(path, now) || now != "kept") return "the old file is now: " + now;
        return FilesIn(disk) == 1 ? "" : "something else was left on the disk";
    };
    const vex::test::SmallDiskResult result =
        vex::test::OnSmallDisk(folder_.Path(), 64, saveOnIt, leaveOldFile);
    if (result == vex::test::SmallDiskResult::kUnavailable)
        GTEST_SKIP() << "no file system can be mounted here";
    EXPECT_EQ(result, vex::test::SmallDiskResult::kPassed);
}

// A real disk that fills up in the middle of the write: the old file stays whole and nothing is left.
TEST_F(AtomicFileFault, ADiskThatFillsUpInTheWriteKeepsTheOldFileAndLeavesNoTemporary) {
    const auto saveOnIt = [](const std::string& disk) -> std::string {
        const std::string path = disk + "/scene.ma";
        const std::string old = Lines("old", 100);
        if (!WriteFileAtomic(path, old)) return "the first, small save failed";
        std::string error, now;
        if (WriteFileAtomic(path, Lines("new", 20000), &error))
            return "a save larger than the disk went through";
        if (error != "cannot write " + path + ": " + std::strerror(ENOSPC)) return "the error was: " + error;
        if (!ReadWholeFile(path, now) || now != old) return "the old file did not stay whole";
        if (FilesIn(disk) != 1) return "the temporary file was left";
        // The room the failed save took is free again: a save that fits goes through.
        if (!WriteFileAtomic(path, Lines("next", 200))) return "the next save, which fits, failed";
        return {};
    };
    const vex::test::SmallDiskResult result = vex::test::OnSmallDisk(folder_.Path(), 128, saveOnIt);
    if (result == vex::test::SmallDiskResult::kUnavailable)
        GTEST_SKIP() << "no file system can be mounted here";
    EXPECT_EQ(result, vex::test::SmallDiskResult::kPassed);
}

} // namespace
} // namespace vex::util::test
