#pragma once

#include "tools/imagegen/DrawStep.h"

#include <string>
#include <vector>

namespace vex::imagegen {

/// One image the generator writes: its path below data/, its size and the sources drawn in order.
struct ImageJob {
    std::string path;
    int width = 0;
    int height = 0;
    std::vector<DrawStep> steps;
    /// Where the manifest names it, for messages.
    std::string origin;
};

} // namespace vex::imagegen
