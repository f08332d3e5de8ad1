#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace vex::host::program {

/// Runs the program's events until a condition holds: Qt's events and the timers of the plug-ins'
/// real-time loops, with every feed (the virtual devices) called before each round so devices move
/// as the scene time does. On the batch clock the loops' timers fire at once in due order, the clock
/// jumping ahead; live, the pump waits for them in wall-clock time.
class EventPump {
public:
    using Condition = std::function<bool()>;
    using Feed = std::function<void()>;

    /// The one pump of the program.
    static EventPump& get();

    /// Adds a feed called before every round of events, for the rest of the program.
    void AddFeed(Feed feed);

    /// Runs rounds of events until `done` answers true (answers true) or `limitMs` milliseconds of
    /// the clock have passed, or, on the batch clock, no timer is left to move time on (answers
    /// false).
    bool Run(const Condition& done, std::uint32_t limitMs);

private:
    EventPump() = default;
    void RunFeeds();

    std::vector<Feed> feeds_;
};

} // namespace vex::host::program
