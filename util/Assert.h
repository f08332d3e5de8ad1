#pragma once

/// Checks an invariant: a condition that holds whatever the user or the host does (a tool's core is
/// set once it is made; a take has an adaptor). When it does not hold, the file, the line, the
/// condition and `message` go to the error output and, in debug and test builds, the program stops
/// there. A release build reports and carries on. Data from outside (files, the host's scene, a
/// device) is never checked with it: that fails softly, with a message, where it enters.
#define TORVA_ASSERT(condition, message)                                                                     \
    ((condition) ? static_cast<void>(0)                                                                      \
                 : ::vex::util::AssertionFailed(__FILE__, __LINE__, #condition, message))

namespace vex::util {

/// Reports a broken invariant and stops the program in debug and test builds (see TORVA_ASSERT).
void AssertionFailed(const char* file, int line, const char* condition, const char* message);

/// Whether a broken invariant stops the program (debug and test builds).
bool AssertionsStop();

} // namespace vex::util
