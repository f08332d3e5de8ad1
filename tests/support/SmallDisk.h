#pragma once

// A real small file system for tests of what a full or read-only disk does to a save: a child process
// mounts a tmpfs of a given size on a folder, in a mount namespace of its own (so the mount is gone
// when the child ends, however it ends), and runs a test body there. Mounting needs root and a system
// that lets the process make a namespace; where it cannot, the caller is told so and can skip.

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace vex::test {

/// What a body run on a small disk gave: it ran and passed, ran and failed, or no disk could be made.
enum class SmallDiskResult { kPassed, kFailed, kUnavailable };

/// Mounts a tmpfs of `kibibytes` on the existing folder `mountPoint` in a child process and runs
/// `body(mountPoint)` there; the body answers an empty text when it passed, else what failed (printed
/// to standard error). `beforeReadOnly`, when given, runs first and the disk is then made read-only
/// for `body`, so that files can be left on it.
inline SmallDiskResult OnSmallDisk(const std::string& mountPoint, int kibibytes,
                                   const std::function<std::string(const std::string&)>& body,
                                   const std::function<void(const std::string&)>& beforeReadOnly = {}) {
    constexpr int kUnavailable = 77;
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0) return SmallDiskResult::kUnavailable;
    if (child == 0) {
        if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            ::_exit(kUnavailable);
        const std::string options = "size=" + std::to_string(kibibytes) + "k";
        if (::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, options.c_str()) != 0) ::_exit(kUnavailable);
        if (beforeReadOnly) {
            beforeReadOnly(mountPoint);
            if (::mount(nullptr, mountPoint.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
                ::_exit(kUnavailable);
        }
        const std::string failed = body(mountPoint);
        if (!failed.empty()) std::fprintf(stderr, "on the small disk: %s\n", failed.c_str());
        std::fflush(nullptr);
        ::_exit(failed.empty() ? 0 : 1);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return SmallDiskResult::kFailed;
    if (WEXITSTATUS(status) == kUnavailable) return SmallDiskResult::kUnavailable;
    return WEXITSTATUS(status) == 0 ? SmallDiskResult::kPassed : SmallDiskResult::kFailed;
}

} // namespace vex::test
