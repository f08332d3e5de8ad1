#pragma once

#include <string>
#include <string_view>

namespace vex::util {

/// Writes `contents` to `path` so that a crash never leaves half a file: the bytes go to a temporary
/// file in the same folder, are flushed to disk, and the temporary file is renamed over `path`.
/// Returns true on success; on failure `path` is untouched, the temporary file is removed and
/// `error` (when given) says what went wrong.
bool WriteFileAtomic(const std::string& path, std::string_view contents, std::string* error = nullptr);

/// Reads the whole file at `path` into `contents`. Returns false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& contents);

} // namespace vex::util
