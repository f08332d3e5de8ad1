#pragma once

#include "examples/take/PathSeries.h"

#include <string>
#include <vector>

namespace vex::examples {

/// Writes the series side by side as CSV: "time" then x, y, z per series, one row per sample index
/// (all series must be sampled at the same times). Written atomically; false with `error` set on failure.
bool WritePathCsv(const std::string& path, const std::vector<PathSeries>& series, std::string& error);

/// Draws the series as a top view (x across, z up the picture) and as z over time, with axes, a
/// legend and a title, into a PNG of `width` x `height` pixels. Needs a Qt GUI application.
bool WritePathPlot(const std::string& path, const std::string& title, const std::vector<PathSeries>& series,
                   int width, int height, std::string& error);

} // namespace vex::examples
