#pragma once

#include <cstddef>
#include <functional>

namespace vex::util {

/// The steps of WriteFileAtomic a test can stop or fail.
enum class AtomicWriteStep {
    kCreate,  ///< before the temporary file is made
    kWrite,   ///< before each chunk of the contents (`written` bytes are in the temporary file)
    kSync,    ///< before the temporary file is flushed to disk
    kRename,  ///< before the temporary file replaces the target
    kReplaced ///< after the target was replaced (the return value is ignored)
};

/// Consulted at every step of every atomic write while installed: 0 lets the step go on, an errno
/// value makes it fail with that error, as a full disk (ENOSPC) or a read-only folder (EROFS) would.
/// A test may also end the process there, as a crash would.
using AtomicWriteHook = std::function<int(AtomicWriteStep step, std::size_t written)>;

/// Installs `hook` for the whole process (an empty hook removes it). While one is installed the
/// contents are written in chunks of `chunk` bytes, so a test can stop a write part-way. For tests.
void SetAtomicWriteHook(AtomicWriteHook hook, std::size_t chunk = 4096);

} // namespace vex::util
