#include "host/scene/Views.h"

namespace vex::host {

Views& Views::get() {
    static Views views;
    return views;
}

void Views::refresh(bool all, bool force) {
    ++refreshes_;
    if (all) ++allRefreshes_;
    if (force) ++forcedRefreshes_;
}

} // namespace vex::host
