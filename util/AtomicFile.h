#pragma once

#include <string>
#include <string_view>

namespace vex::util {

/// Writes `contents` to `path` so that a crash never leaves half a file: the bytes go to a temporary
/// file in the same folder, are flushed to disk, and the temporary file is renamed over `path`.
/// Returns true on success; on failure `path` is untouched, the temporary file is removed and
/// `error` (when given) says what went wrong.
bool WriteFileAtomic(const std::string& path, std::string_view contents, std::string* error = nullptr);

/// What the calling thread's last WriteFileAtomic said went wrong, empty when it succeeded: for
/// callers whose own result is a plain yes or no, to tell the user why.
const std::string& LastWriteError();

/// Forgets the last error, so that a save refused before it reaches the disk shows no stale reason.
void ClearLastWriteError();

/// `text`, followed by the last write error as " (reason)" when there is one.
std::string WithWriteError(const std::string& text);

/// Reads the whole file at `path` into `contents`. Returns false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& contents);

} // namespace vex::util
