#pragma once

#include "util/Vector3.h"

#include <string>
#include <vector>

namespace vex::host::plot {

/// One sampled path: a name for the legend and CSV header, a colour, and positions by time.
struct PathSeries {
    struct Sample {
        double time = 0.0;
        util::Vector3<double> position;
    };

    std::string name;
    unsigned rgb = 0x000000; ///< 0xRRGGBB
    std::vector<Sample> samples;
};

} // namespace vex::host::plot
