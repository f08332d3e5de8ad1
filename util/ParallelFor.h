#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <thread>
#include <vector>

namespace vex::util {

/// Calls `work(i)` for every i below `count`, on as many threads as the machine has cores (the
/// caller's among them); each thread takes the next index not yet taken, so long and short items
/// spread evenly. Returns when every call has returned. `work` must be safe to call concurrently
/// for different indices.
template <class Work>
void ParallelFor(std::size_t count, const Work& work) {
    std::atomic<std::size_t> next{0};
    const auto drain = [&] {
        for (std::size_t i = next++; i < count; i = next++) work(i);
    };
    const std::size_t threads =
        std::min<std::size_t>(std::max(1u, std::thread::hardware_concurrency()), count);
    std::vector<std::jthread> helpers;
    for (std::size_t t = 1; t < threads; ++t) helpers.emplace_back(drain);
    drain();
}

} // namespace vex::util
