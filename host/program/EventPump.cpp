#include "host/program/EventPump.h"

#include "platform/win32/Clock.h"
#include "platform/win32/TimerQueue.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace vex::host::program {

namespace {

using platform::win32::GetTickCount;
using platform::win32::TimerQueue;

// How long a live round waits for events before the feeds and the condition are looked at again.
constexpr int kLiveRoundMs = 2;

// Delivers the events already posted (deferred deletes, window updates) without waiting.
void PostedEvents() {
    if (QCoreApplication::instance() != nullptr) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace

EventPump& EventPump::get() {
    static EventPump pump;
    return pump;
}

void EventPump::AddFeed(Feed feed) {
    feeds_.push_back(std::move(feed));
}

void EventPump::RunFeeds() {
    for (const Feed& feed : feeds_) feed();
}

bool EventPump::Run(const Condition& done, std::uint32_t limitMs) {
    const std::uint32_t start = GetTickCount();
    for (;;) {
        PostedEvents();
        if (done()) return true;
        if (GetTickCount() - start >= limitMs) return false;
        RunFeeds();
        if (TimerQueue::IsBatchClock()) {
            if (!TimerQueue::FireNext()) {
                PostedEvents();
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
