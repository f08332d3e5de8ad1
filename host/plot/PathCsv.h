#pragma once

#include "host/plot/PathSeries.h"

#include <string>
#include <vector>

namespace vex::host::plot {

/// Writes the series side by side as CSV: "time" then x, y, z per series, one row per sample index
/// (all series must be sampled at the same times, the first series giving the times), numbers in the
/// "C" form. Written atomically; false with `error` set when a series has fewer samples than the first
/// or the file cannot be written.
bool WritePathCsv(const std::string& path, const std::vector<PathSeries>& series, std::string& error);

} // namespace vex::host::plot
