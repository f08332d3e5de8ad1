#include "util/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vex::util {

namespace {

void SetError(std::string* error, const std::string& what, int code) {
    if (error) *error = what + ": " + std::strerror(code);
}

bool WriteAll(int fd, std::string_view contents) {
    const char* p = contents.data();
    size_t left = contents.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

} // namespace

bool WriteFileAtomic(const std::string& path, std::string_view contents, std::string* error) {
    // The temporary file sits beside the target so the final rename never crosses file systems.
    std::string temp = path + ".tmpXXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        SetError(error, "cannot create a temporary file for " + path, errno);
        return false;
    }
    // mkstemp makes the file private; give it the permissions an ordinary new file would get.
    mode_t mask = ::umask(0);
    ::umask(mask);
    bool ok = ::fchmod(fd, 0666 & ~mask) == 0 && WriteAll(fd, contents) && ::fsync(fd) == 0;
    int code = errno;
    ok = (::close(fd) == 0) && ok;
    if (!ok) {
        SetError(error, "cannot write " + temp, code);
        ::unlink(temp.c_str());
        return false;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        SetError(error, "cannot replace " + path, errno);
        ::unlink(temp.c_str());
        return false;
    }
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
