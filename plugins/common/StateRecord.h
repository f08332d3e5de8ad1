#pragma once

#include <algorithm>
#include <iterator>
#include <vector>

namespace vex::orb::addon {

/// A tool's simulation state recorded per frame time during a take, so that a re-simulation or a
/// restored tool continues from any recorded time exactly as the first run went on. A plain value:
/// copied whole by the undo record a take pushes.
template <class State>
class StateRecord {
public:
    /// One recorded frame.
    struct Frame {
        double time = 0.0;
        State state{};
    };

    /// Records `state` at `t`, replacing a frame recorded at that very time.
    void Set(double t, const State& state) { At(t) = state; }

    /// The state of the frame nearest to `t` (the later one exactly half-way); null when empty.
    const State* Nearest(double t) const {
        if (frames_.empty()) return nullptr;
        const auto later = std::lower_bound(frames_.begin(), frames_.end(), t, Earlier);
        if (later == frames_.end()) return &frames_.back().state;
        if (later == frames_.begin() || later->time == t) return &later->state;
        const auto earlier = std::prev(later);
        return later->time - t <= t - earlier->time ? &later->state : &earlier->state;
    }

    /// Forgets every frame after `t`.
    void TruncateAfter(double t) {
        const auto after =
            std::upper_bound(frames_.begin(), frames_.end(), t,
                             [](double time, const Frame& frame) { return time < frame.time; });
        frames_.erase(after, frames_.end());
    }

    /// Forgets everything.
    void Clear() { frames_.clear(); }
    /// Gives back the room the frames' growth left beyond them (a finished take's).
    void ShrinkToFit() { frames_.shrink_to_fit(); }
    /// True when nothing is recorded.
    bool Empty() const { return frames_.empty(); }
    /// The frames in time order.
    const std::vector<Frame>& Frames() const { return frames_; }

    /// The frame at `t`, appended or inserted in time order when there is none yet.
    State& At(double t) {
        if (frames_.empty() || frames_.back().time < t) return frames_.emplace_back(Frame{t, {}}).state;
        const auto later = std::lower_bound(frames_.begin(), frames_.end(), t, Earlier);
        if (later->time == t) return later->state;
        return frames_.insert(later, Frame{t, {}})->state;
    }

private:
    static bool Earlier(const Frame& frame, double t) { return frame.time < t; }

    std::vector<Frame> frames_;
};

} // namespace vex::orb::addon
