#include "host/program/ProcessEventsCommand.h"

#include "host/program/EventPump.h"
#include "platform/win32/Clock.h"
#include "platform/win32/TimerQueue.h"
#include "util/NumberText.h"

#include <maya/MAnimControl.h>
#include <maya/MArgList.h>
#include <maya/MString.h>
#include <maya/MTime.h>

#include <cmath>
#include <cstdint>
#include <string>

namespace vex::host::program {

namespace {

constexpr double kDefaultTimeoutSeconds = 600.0;
const char* const kUsage = "Usage: processEvents (-untilTime time | -untilIdle | -seconds seconds) "
                           "[-timeout seconds]";

// The scene's current time in the current time unit, as the other time commands give it.
double SceneTime() {
    return MAnimControl::currentTime().as(MTime::uiUnit());
}

// The number after the flag at `index`, when the flag is there; false when its value is not a number.
bool FlagNumber(const MArgList& args, const char* shortFlag, const char* longFlag, double& value,
                bool& present) {
    const unsigned index = args.flagIndex(shortFlag, longFlag);
    present = index != MArgList::kInvalidArgIndex;
    if (!present) return true;
    MStatus status;
    value = args.asDouble(index + 1, &status);
    return status && std::isfinite(value);
}

} // namespace

CommandSyntax ProcessEventsCommand::Syntax() {
    return CommandSyntax()
        .flag("-ut", "-untilTime", CommandSyntax::Arg::kNumber)
        .flag("-ui", "-untilIdle")
        .flag("-s", "-seconds", CommandSyntax::Arg::kNumber)
        .flag("-to", "-timeout", CommandSyntax::Arg::kNumber);
}

MStatus ProcessEventsCommand::doIt(const MArgList& args) {
    double untilTime = 0.0, seconds = 0.0, timeout = kDefaultTimeoutSeconds;
    bool hasTime = false, hasSeconds = false, hasTimeout = false;
    if (!FlagNumber(args, "-ut", "-untilTime", untilTime, hasTime) ||
        !FlagNumber(args, "-s", "-seconds", seconds, hasSeconds) ||
        !FlagNumber(args, "-to", "-timeout", timeout, hasTimeout) || timeout < 0.0 || seconds < 0.0)
        return MStatus(MStatus::kInvalidParameter, kUsage);
    const bool idle = args.flagIndex("-ui", "-untilIdle") != MArgList::kInvalidArgIndex;
    if (static_cast<int>(hasTime) + static_cast<int>(hasSeconds) + static_cast<int>(idle) != 1)
        return MStatus(MStatus::kInvalidParameter, kUsage);

    using platform::win32::GetTickCount;
    using platform::win32::TimerQueue;
    const std::uint32_t start = GetTickCount();
    const auto milliseconds = [](double s) {
        return static_cast<std::uint32_t>(std::min(std::round(s * 1000.0), 4.0e9));
    };
    EventPump::Condition done;
    std::string what;
    if (hasTime) {
        done = [untilTime] { return SceneTime() >= untilTime - 1e-9; };
        what = "the current time did not reach " + util::FormatNumber(untilTime);
    } else if (idle) {
        done = [] { return TimerQueue::RunningTimers() == 0; };
        what = "the real-time loops did not come to rest";
    } else {
        const std::uint32_t span = milliseconds(seconds);
        done = [start, span] { return GetTickCount() - start >= span; };
        // On the batch clock nothing else moves time on: a wait without timers is over at once.
        if (TimerQueue::IsBatchClock())
            done = [start, span] {
                return GetTickCount() - start >= span || TimerQueue::RunningTimers() == 0;
            };
        what = "the time did not pass";
    }
    const std::uint32_t limit =
        hasSeconds ? milliseconds(std::min(seconds, timeout)) + 1 : milliseconds(timeout);
    if (!EventPump::get().Run(done, limit))
        return MStatus(MStatus::kFailure, "processEvents: " + what + " within " +
                                              util::FormatNumber(timeout) + " s of the clock.");
    setResult(SceneTime());
    return MStatus::kSuccess;
}

} // namespace vex::host::program
