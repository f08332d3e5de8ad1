#include "tests/plugins/FollowTrack.h"

#include <algorithm>
#include <cmath>

namespace vex::orb::core::test {

double FollowTrack::Lag(std::size_t from, std::size_t to) const {
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i) sum += std::abs(follower[i] - target[i]);
    return sum / static_cast<double>(to - from);
}

double FollowTrack::Overshoot(std::size_t from, std::size_t to, double goal) const {
    double most = 0.0;
    for (std::size_t i = from; i < to; ++i) most = std::max(most, follower[i] - goal);
    return most;
}

int FollowTrack::Crossings(std::size_t from, std::size_t to, double goal) const {
    int crossings = 0;
    int side = 0;
    for (std::size_t i = from; i < to; ++i) {
        const int now = follower[i] > goal ? 1 : follower[i] < goal ? -1 : 0;
        if (now != 0 && side != 0 && now != side) ++crossings;
        if (now != 0) side = now;
    }
    return crossings;
}

std::size_t FollowTrack::SettlingTime(std::size_t from, std::size_t to, double goal, double tolerance) const {
    std::size_t settled = from;
    for (std::size_t i = from; i < to; ++i)
        if (std::abs(follower[i] - goal) > tolerance) settled = i + 1;
    return settled - from;
}

double FollowTrack::Shake(std::size_t from, std::size_t to) const {
    // The second difference of neighbouring samples: slow drift gives next to nothing, a shake from
    // frame to frame four times its size.
    double sum = 0.0;
    for (std::size_t i = from + 1; i + 1 < to; ++i) {
        const double bend = follower[i + 1] - 2.0 * follower[i] + follower[i - 1];
        sum += bend * bend;
    }
    return std::sqrt(sum / static_cast<double>(to - from - 2));
}

} // namespace vex::orb::core::test
