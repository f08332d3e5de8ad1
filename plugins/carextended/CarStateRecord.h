#pragma once

#include "plugins/carextended/model/CarState.h"

#include <cstddef>
#include <vector>

namespace vex::orb::addon {

/// The car's state recorded per frame time during a take, so that a re-simulation or a restored tool
/// continues from any recorded time exactly as the first run went on. A plain value: copied whole by
/// the undo record a take pushes.
class CarStateRecord {
public:
    /// One recorded frame.
    struct Frame {
        double time = 0.0;
        CarState state{};
    };

    /// Records `state` at `t`, replacing a frame recorded at that very time.
    void Set(double t, const CarState& state);
    /// The state of the frame nearest to `t` (the later one exactly half-way); null when empty.
    const CarState* Nearest(double t) const;
    /// Forgets every frame after `t`.
    void TruncateAfter(double t);
    /// Forgets everything.
    void Clear() { frames_.clear(); }
    /// True when nothing is recorded.
    bool Empty() const { return frames_.empty(); }
    /// The frames in time order.
    const std::vector<Frame>& Frames() const { return frames_; }
    /// The frame at `t`, appended or inserted in time order when there is none yet.
    CarState& At(double t);

private:
    std::vector<Frame> frames_;
};

} // namespace vex::orb::addon
