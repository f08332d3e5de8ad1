#pragma once

#include "host/plot/PathSeries.h"

#include <string>
#include <vector>

namespace vex::host::plot {

/// Draws the series as a top view (x across, z up the picture) and as z over time, with axes, a
/// legend and a title, into a PNG of `width` x `height` pixels. Needs a Qt GUI application.
bool WritePathPlot(const std::string& path, const std::string& title, const std::vector<PathSeries>& series,
                   int width, int height, std::string& error);

} // namespace vex::host::plot
