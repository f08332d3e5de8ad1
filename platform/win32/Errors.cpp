#include "platform/win32/Errors.h"

#include <cerrno>
#include <cstring>

namespace vex::platform::win32 {

namespace {

thread_local DWORD lastError = ERROR_SUCCESS;

struct ErrnoMapping {
    int error;
    DWORD code;
};

constexpr ErrnoMapping kErrnoMap[] = {
    {0, ERROR_SUCCESS},
    {ENOENT, ERROR_FILE_NOT_FOUND},
    {ENOTDIR, ERROR_PATH_NOT_FOUND},
    {EACCES, ERROR_ACCESS_DENIED},
    {EPERM, ERROR_ACCESS_DENIED},
    {EISDIR, ERROR_ACCESS_DENIED},
    {EEXIST, ERROR_ALREADY_EXISTS},
    {ENOTEMPTY, ERROR_DIR_NOT_EMPTY},
    {ENAMETOOLONG, ERROR_FILENAME_EXCED_RANGE},
    {ENOSPC, ERROR_DISK_FULL},
    {EROFS, ERROR_WRITE_PROTECT},
    {EBUSY, ERROR_BUSY},
    {ENOMEM, ERROR_NOT_ENOUGH_MEMORY},
    {EINVAL, ERROR_INVALID_PARAMETER},
    {EMFILE, ERROR_TOO_MANY_OPEN_FILES},
    {ENFILE, ERROR_TOO_MANY_OPEN_FILES},
    {EBADF, ERROR_INVALID_HANDLE},
    {ELOOP, ERROR_CANT_RESOLVE_FILENAME},
    {EXDEV, ERROR_NOT_SAME_DEVICE},
};

struct MessageText {
    DWORD code;
    const char* text;
};

constexpr MessageText kMessages[] = {
    {ERROR_SUCCESS, "The operation completed successfully."},
    {ERROR_INVALID_FUNCTION, "Incorrect function."},
    {ERROR_FILE_NOT_FOUND, "The system cannot find the file specified."},
    {ERROR_PATH_NOT_FOUND, "The system cannot find the path specified."},
    {ERROR_TOO_MANY_OPEN_FILES, "The system cannot open the file."},
    {ERROR_ACCESS_DENIED, "Access is denied."},
    {ERROR_INVALID_HANDLE, "The handle is invalid."},
    {ERROR_NOT_ENOUGH_MEMORY, "Not enough memory resources are available to process this command."},
    {ERROR_NOT_SAME_DEVICE, "The system cannot move the file to a different disk drive."},
    {ERROR_NO_MORE_FILES, "There are no more files."},
    {ERROR_WRITE_PROTECT, "The media is write protected."},
    {ERROR_INVALID_PARAMETER, "The parameter is incorrect."},
    {ERROR_DISK_FULL, "There is not enough space on the disk."},
    {ERROR_INSUFFICIENT_BUFFER, "The data area passed to a system call is too small."},
    {ERROR_INVALID_NAME, "The filename, directory name, or volume label syntax is incorrect."},
    {ERROR_MOD_NOT_FOUND, "The specified module could not be found."},
    {ERROR_PROC_NOT_FOUND, "The specified procedure could not be found."},
    {ERROR_DIR_NOT_EMPTY, "The directory is not empty."},
    {ERROR_BUSY, "The requested resource is in use."},
    {ERROR_ALREADY_EXISTS, "Cannot create a file when that file already exists."},
    {ERROR_BAD_EXE_FORMAT, "The specified module is not a valid application for this system."},
    {ERROR_FILENAME_EXCED_RANGE, "The filename or extension is too long."},
    {ERROR_MORE_DATA, "More data is available."},
    {ERROR_INVALID_HOOK_HANDLE, "Invalid hook handle."},
    {ERROR_INVALID_HOOK_FILTER, "Invalid hook procedure type."},
    {ERROR_INVALID_FILTER_PROC, "Invalid hook procedure."},
    {ERROR_CANT_RESOLVE_FILENAME, "The name of the file cannot be resolved by the system."},
};

} // namespace

DWORD GetLastError() {
    return lastError;
}

void SetLastError(DWORD code) {
    lastError = code;
}

DWORD ErrorFromErrno(int error) {
    for (const ErrnoMapping& mapping : kErrnoMap) {
        if (mapping.error == error) return mapping.code;
    }
    return APPLICATION_ERROR_FLAG | static_cast<DWORD>(error);
}

std::string GetErrorMessageText(DWORD code) {
    for (const MessageText& message : kMessages) {
        if (message.code == code) return message.text;
    }
    if ((code & APPLICATION_ERROR_FLAG) != 0) {
        return std::strerror(static_cast<int>(code & ~APPLICATION_ERROR_FLAG));
    }
    return "Unknown error.";
}

} // namespace vex::platform::win32
