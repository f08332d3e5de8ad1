#pragma once

#include "plugins/common/StateRecord.h"
#include "util/QTransform.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace vex::orb::addon {

/// Whether two rigid poses are the same pose as a host gives it back: host keys are doubles, but
/// rotations pass through Euler angles, so positions within 1e-7 (relative to the distance from the
/// origin) and rotations within 1e-10 of the quaternions' dot product count as equal.
bool SamePose(const util::QTransform<double>& a, const util::QTransform<double>& b);

/// The first of `frames` (in time order) recorded within half a `frame` of `t`, or their end.
template <class Frames>
auto FrameNear(const Frames& frames, double t, double frame) {
    const double half = 0.5 * frame;
    const auto at = std::lower_bound(frames.begin(), frames.end(), t - half,
                                     [](const auto& f, double time) { return f.time < time; });
    return at != frames.end() && at->time <= t + half ? at : frames.end();
}

/// The recorded state a run that starts at `t` goes on from, when the scene is where the recorded take
/// left it: the state of the frame recorded within half a `frame` of `t` that `matches` the scene, or
/// whose next frame does (before a take's first key the host shows that key). Null when nothing is
/// recorded near `t` or the scene was changed since.
template <class State, class Matches>
const State* ContinuedStateWhere(const StateRecord<State>& record, double t, double frame, Matches matches) {
    const auto& frames = record.Frames();
    const auto at = FrameNear(frames, t, frame);
    if (at == frames.end()) return nullptr;
    const auto next = std::next(at);
    if (matches(at->state) || (next != frames.end() && matches(next->state))) return &at->state;
    return nullptr;
}

/// ContinuedStateWhere for a node's rigid pose `scene` at `t`, matched by SamePose against
/// `poseOf(state)`.
template <class State, class PoseOf>
const State* ContinuedState(const StateRecord<State>& record, double t, double frame,
                            const util::QTransform<double>& scene, PoseOf poseOf) {
    return ContinuedStateWhere(record, t, frame,
                               [&](const State& state) { return SamePose(scene, poseOf(state)); });
}

/// The state of the frame recorded within half a `frame` of `t`; null when there is none.
template <class State>
const State* RecordedNear(const StateRecord<State>& record, double t, double frame) {
    const auto at = FrameNear(record.Frames(), t, frame);
    return at != record.Frames().end() ? &at->state : nullptr;
}

} // namespace vex::orb::addon
