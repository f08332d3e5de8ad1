#pragma once

#include "host/plot/PathPlot.h"
#include "system/adaptors/memory/MemoryScene.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace vex::examples {

/// The transform's world position once per frame over `seconds` at `framesPerSecond`, as a plot series.
inline host::plot::PathSeries SamplePath(const orb::adaptor::memory::MemoryScene& scene,
                                         const std::string& transform, const std::string& label, unsigned rgb,
                                         double seconds, double framesPerSecond) {
    host::plot::PathSeries series{label, rgb, {}};
    const auto id = scene.FindByName(transform);
    const int frames = static_cast<int>(std::lround(seconds * framesPerSecond));
    for (int f = 0; f <= frames; ++f) {
        const double t = f / framesPerSecond;
        const auto world = scene.GetWorldMatrix(id, t);
        series.samples.push_back({t, {world.m[3][0], world.m[3][1], world.m[3][2]}});
    }
    return series;
}

/// The largest distance between the samples of `a` and `b` at the same index.
inline double LargestDistance(const host::plot::PathSeries& a, const host::plot::PathSeries& b) {
    double largest = 0.0;
    for (size_t i = 0; i < a.samples.size() && i < b.samples.size(); ++i) {
        const auto d = a.samples[i].position - b.samples[i].position;
        largest = std::max(largest, std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z));
    }
    return largest;
}

} // namespace vex::examples
