#pragma once

#include <cstddef>
#include <vector>

namespace vex::orb::core::test {

/// One coordinate of a follower and of the target it follows, sampled once per frame. Ranges are
/// sample indices [from, to).
struct FollowTrack {
    std::vector<double> follower;
    std::vector<double> target;

    /// Mean distance to the target: how far the follower lags.
    double Lag(std::size_t from, std::size_t to) const;
    /// How far the follower passes `goal`, approached from below; 0 when it never does.
    double Overshoot(std::size_t from, std::size_t to, double goal) const;
    /// How often the follower crosses `goal`: twice per swing about it.
    int Crossings(std::size_t from, std::size_t to, double goal) const;
    /// The number of samples after `from` until the follower stays within `tolerance` of `goal`.
    std::size_t SettlingTime(std::size_t from, std::size_t to, double goal, double tolerance) const;
    /// Root mean square of the follower's frame-to-frame bend (second difference): how much it shakes,
    /// blind to a slow drift. Needs at least three samples.
    double Shake(std::size_t from, std::size_t to) const;
};

} // namespace vex::orb::core::test
