#pragma once

// Crashes and failures in the middle of a save, for tests of what is left on disk. A save runs in a
// child process that is killed with SIGKILL at one point of its atomic write; the parent then reads
// what the file holds.

#include "util/AtomicFile.h"
#include "util/AtomicWriteHook.h"

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace vex::test {

/// One point of an atomic write: the step, and for kWrite the bytes already written.
struct KillPoint {
    util::AtomicWriteStep step;
    std::size_t written = 0;
};

/// Every point of an atomic write of `size` bytes in chunks of `chunk`: before the temporary file,
/// before each chunk, before the flush, before the rename and after it.
inline std::vector<KillPoint> KillPoints(std::size_t size, std::size_t chunk) {
    std::vector<KillPoint> points{{util::AtomicWriteStep::kCreate, 0}};
    for (std::size_t written = 0; written < size; written += chunk)
        points.push_back({util::AtomicWriteStep::kWrite, written});
    points.push_back({util::AtomicWriteStep::kSync, size});
    points.push_back({util::AtomicWriteStep::kRename, size});
    points.push_back({util::AtomicWriteStep::kReplaced, size});
    return points;
}

/// Runs `save` in a child process, which kills itself with SIGKILL on reaching `point` (without a
/// point it runs to the end). True when the child died there, or, without a point, ended normally.
inline bool RunSaveInChild(const std::function<void()>& save, std::size_t chunk, const KillPoint* point) {
    const pid_t child = ::fork();
    if (child < 0) return false;
    if (child == 0) {
        ::alarm(30); // a child that hangs (a lock held at the fork) ends instead of the test
        if (point != nullptr) {
            const KillPoint at = *point;
            util::SetAtomicWriteHook(
                [at](util::AtomicWriteStep step, std::size_t written) {
                    if (step == at.step && written == at.written) ::raise(SIGKILL);
                    return 0;
                },
                chunk);
        }
        save();
        ::_exit(0);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
    }
    if (point == nullptr) return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

/// What a save killed at every point of its write left behind.
struct CrashReport {
    std::string saved; ///< the file as a save that was not interrupted leaves it
    int kills = 0;     ///< children killed at a point
    int oldKept = 0;   ///< of those, how many left the old file
    int newWhole = 0;  ///< how many left the new file
    std::vector<std::string>
        failures; ///< anything else: a mix, a cut file, a missing file, a point not reached
};

/// Kills `save`, which writes `path`, at every point of its atomic write; before each try `path`
/// holds `before` again. Each kill must leave `before` (killed before the rename) or the whole new
/// file (after it). `comparable`, when given, maps a file's text to what is compared, for files that
/// carry the time they were written.
inline CrashReport CrashDuringSave(const std::string& path, const std::string& before, std::size_t chunk,
                                   const std::function<void()>& save,
                                   const std::function<std::string(const std::string&)>& comparable = {}) {
    const auto same = [&](const std::string& a, const std::string& b) {
        return comparable ? comparable(a) == comparable(b) : a == b;
    };
    CrashReport report;
    std::string now;
    const auto reset = [&] { return util::WriteFileAtomic(path, before); };
    if (!reset() || !RunSaveInChild(save, chunk, nullptr) || !util::ReadWholeFile(path, report.saved)) {
        report.failures.push_back("the save did not run to its end in a child");
        return report;
    }
    if (report.saved == before) report.failures.push_back("the save wrote what the file held already");
    for (const KillPoint& point : KillPoints(report.saved.size(), chunk)) {
        const std::string where = "killed at step " + std::to_string(static_cast<int>(point.step)) +
                                  " after " + std::to_string(point.written) + " bytes: ";
        if (!reset()) {
            report.failures.push_back(where + "the old file could not be put back");
            continue;
        }
        if (!RunSaveInChild(save, chunk, &point)) {
            report.failures.push_back(where + "the child did not die there");
            continue;
        }
        ++report.kills;
        now.clear();
        if (!util::ReadWholeFile(path, now)) {
            report.failures.push_back(where + "no file is left");
        } else if (point.step == util::AtomicWriteStep::kReplaced ? same(now, report.saved) : now == before) {
            ++(point.step == util::AtomicWriteStep::kReplaced ? report.newWhole : report.oldKept);
        } else {
            report.failures.push_back(where + "the file holds " + std::to_string(now.size()) +
                                      " bytes that are neither the old file nor the new one");
        }
    }
    return report;
}

} // namespace vex::test
