#include "util/Assert.h"

#include <cstdio>
#include <cstdlib>

namespace vex::util {

void AssertionFailed(const char* file, int line, const char* condition, const char* message) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s (%s)\n", file, line, message, condition);
    std::fflush(stderr);
    if (AssertionsStop()) std::abort();
}

bool AssertionsStop() {
    return TORVA_ASSERTS_STOP != 0;
}

} // namespace vex::util
