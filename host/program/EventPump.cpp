#include "EventPump.h"

#include "platform/win32/Clock.h"
#include "platform/win32/TimerQueue.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>

namespace vex::host::program {

namespace {

using platform::win32::GetTickCount;
using platform::win32::TimerQueue;

// How long a live round waits for events before the feeds and the condition are looked at again.
constexpr int kLiveRoundMs = 2;

// Delivers the events already posted (deferred deletes, window updates) without waiting.
void postedEvents() {
    if (QCoreApplication::instance() != nullptr) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace

EventPump& EventPump::get() {
    static EventPump pump;
    return pump;
}

int EventPump::addFeed(Feed feed) {
    feeds_.emplace_back(nextKey_, std::move(feed));
    return nextKey_++;
}

void EventPump::removeFeed(int key) {
    std::erase_if(feeds_, [key](const auto& entry) { return entry.first == key; });
}

void EventPump::feed() {
    // A feed may remove itself; run over a copy.
    const auto feeds = feeds_;
    for (const auto& [key, feed] : feeds) feed();
}

bool EventPump::run(const Condition& done, std::uint32_t limitMs) {
    const std::uint32_t start = GetTickCount();
    for (;;) {
        postedEvents();
        if (done()) return true;
        if (GetTickCount() - start >= limitMs) return false;
        feed();
        if (TimerQueue::IsBatchClock()) {
            if (!TimerQueue::FireNext()) {
                postedEvents();
                return done();
            }
            continue;
        }
        if (QCoreApplication::instance() == nullptr) return done(); // no event loop to wait on
        QEventLoop round;
        QTimer::singleShot(kLiveRoundMs, &round, &QEventLoop::quit);
        round.exec();
    }
}

} // namespace vex::host::program
