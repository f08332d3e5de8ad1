#include "plugins/carextended/CarStateRecord.h"

#include <algorithm>
#include <iterator>

namespace vex::orb::addon {
namespace {

bool Earlier(const CarStateRecord::Frame& frame, double t) {
    return frame.time < t;
}

} // namespace

void CarStateRecord::Set(double t, const CarState& state) {
    At(t) = state;
}

CarState& CarStateRecord::At(double t) {
    if (frames_.empty() || frames_.back().time < t) return frames_.emplace_back(Frame{t, {}}).state;
    const auto later = std::lower_bound(frames_.begin(), frames_.end(), t, Earlier);
    if (later->time == t) return later->state;
    return frames_.insert(later, Frame{t, {}})->state;
}

const CarState* CarStateRecord::Nearest(double t) const {
    if (frames_.empty()) return nullptr;
    const auto later = std::lower_bound(frames_.begin(), frames_.end(), t, Earlier);
    if (later == frames_.end()) return &frames_.back().state;
    if (later == frames_.begin() || later->time == t) return &later->state;
    const auto earlier = std::prev(later);
    return later->time - t <= t - earlier->time ? &later->state : &earlier->state;
}

void CarStateRecord::TruncateAfter(double t) {
    const auto after = std::upper_bound(frames_.begin(), frames_.end(), t,
                                        [](double time, const Frame& frame) { return time < frame.time; });
    frames_.erase(after, frames_.end());
}

} // namespace vex::orb::addon
