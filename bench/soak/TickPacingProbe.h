#pragma once

#include <QObject>

#include <chrono>
#include <cstdint>
#include <vector>

namespace vex::orb::core {
class TimerManager;
}

/// Pacing of the recording tick under the live Qt event loop: watches the timer events of one timer
/// of `owner` and keeps, per tick, the wall-clock time since the previous tick and the interval the
/// previous tick asked for its successor.
class TickPacingProbe : public QObject {
public:
    TickPacingProbe(vex::orb::core::TimerManager& owner, int32_t timerId);
    ~TickPacingProbe() override;
    TickPacingProbe(const TickPacingProbe&) = delete;
    TickPacingProbe& operator=(const TickPacingProbe&) = delete;

    /// Milliseconds between successive ticks, from the second tick on.
    const std::vector<double>& Achieved() const { return achieved_; }
    /// Milliseconds each tick asked for before the next, as the event dispatcher holds it.
    const std::vector<int>& Asked() const { return asked_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    vex::orb::core::TimerManager& owner_;
    int32_t timerId_;
    bool started_ = false;
    std::chrono::steady_clock::time_point last_;
    std::vector<double> achieved_;
    std::vector<int> asked_;
};
