#pragma once

#include "host/plot/PathSeries.h"

#include <string>
#include <vector>

namespace vex::host::plot {

/// Draws the series in three panels side by side (the top view with x across and z up the picture at
/// equal scale, z over time, and the height y over time), with axes at round ticks, a title and a
/// legend below the panels, into a PNG of `width` x `height` pixels (made for about 1400 x 560).
/// Needs a Qt GUI application. False with `error` set when the size is not positive or the file cannot
/// be written.
bool WritePathPlot(const std::string& path, const std::string& title, const std::vector<PathSeries>& series,
                   int width, int height, std::string& error);

} // namespace vex::host::plot
