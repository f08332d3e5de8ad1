#include "util/AtomicFile.h"

#include "util/AtomicWriteHook.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <utility>

namespace vex::util {

namespace {

struct HookSlot {
    std::mutex mutex;
    AtomicWriteHook hook;
    std::size_t chunk = 4096;
};

HookSlot& Slot() {
    static HookSlot slot;
    return slot;
}

thread_local std::string lastError;

/// The installed hook's verdict on a step: 0 to go on, or the errno to fail it with.
int Consult(AtomicWriteStep step, std::size_t written) {
    HookSlot& slot = Slot();
    AtomicWriteHook hook;
    {
        std::lock_guard lock(slot.mutex);
        hook = slot.hook;
    }
    return hook ? hook(step, written) : 0;
}

std::size_t ChunkSize() {
    HookSlot& slot = Slot();
    std::lock_guard lock(slot.mutex);
    return slot.hook ? std::max<std::size_t>(slot.chunk, 1) : std::size_t(-1);
}

bool Fail(std::string* error, const std::string& what, int code) {
    lastError = what + ": " + std::strerror(code);
    if (error) *error = lastError;
    return false;
}

/// Writes everything, retrying short writes; errno tells why on failure.
bool WriteAll(int fd, std::string_view contents) {
    const std::size_t chunk = ChunkSize();
    std::size_t done = 0;
    while (done < contents.size()) {
        if (const int code = Consult(AtomicWriteStep::kWrite, done)) {
            errno = code;
            return false;
        }
        const std::size_t part = std::min(chunk, contents.size() - done);
        const ssize_t n = ::write(fd, contents.data() + done, part);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool Sync(int fd, std::size_t size) {
    if (const int code = Consult(AtomicWriteStep::kSync, size)) {
        errno = code;
        return false;
    }
    return ::fsync(fd) == 0;
}

} // namespace

void SetAtomicWriteHook(AtomicWriteHook hook, std::size_t chunk) {
    HookSlot& slot = Slot();
    std::lock_guard lock(slot.mutex);
    slot.hook = std::move(hook);
    slot.chunk = chunk;
}

const std::string& LastWriteError() {
    return lastError;
}

void ClearLastWriteError() {
    lastError.clear();
}

std::string WithWriteError(const std::string& text) {
    return lastError.empty() ? text : text + " (" + lastError + ")";
}

bool WriteFileAtomic(const std::string& path, std::string_view contents, std::string* error) {
    lastError.clear();
    if (const int code = Consult(AtomicWriteStep::kCreate, 0))
        return Fail(error, "cannot create a temporary file for " + path, code);
    // The temporary file sits beside the target so the final rename never crosses file systems.
    std::string temp = path + ".tmpXXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return Fail(error, "cannot create a temporary file for " + path, errno);
    // mkstemp makes the file private; give it the permissions an ordinary new file would get.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    bool ok = ::fchmod(fd, 0666 & ~mask) == 0 && WriteAll(fd, contents) && Sync(fd, contents.size());
    const int code = errno;
    ok = (::close(fd) == 0) && ok;
    if (!ok) {
        ::unlink(temp.c_str());
        return Fail(error, "cannot write " + path, code);
    }
    int renameCode = Consult(AtomicWriteStep::kRename, contents.size());
    if (renameCode == 0 && ::rename(temp.c_str(), path.c_str()) != 0) renameCode = errno;
    if (renameCode != 0) {
        ::unlink(temp.c_str());
        return Fail(error, "cannot replace " + path, renameCode);
    }
    Consult(AtomicWriteStep::kReplaced, contents.size());
    return true;
}

bool ReadWholeFile(const std::string& path, std::string& contents) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    contents.clear();
    // Straight into the text at the size the file has now; a file that grows meanwhile is read on.
    if (std::fseek(file, 0, SEEK_END) == 0) {
        const long size = std::ftell(file);
        std::rewind(file);
        if (size > 0) {
            contents.resize(static_cast<size_t>(size));
            contents.resize(std::fread(contents.data(), 1, contents.size(), file));
        }
    }
    char buffer[1 << 16];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) contents.append(buffer, n);
    bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

} // namespace vex::util
