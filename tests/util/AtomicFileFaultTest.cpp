#include "tests/platform/win32/TempFolder.h"
#include "tests/support/SaveFaults.h"
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
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop root; the failed-step case covers it";
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

} // namespace
} // namespace vex::util::test
