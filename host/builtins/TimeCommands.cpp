#include "host/builtins/TimeCommands.h"

#include "host/builtins/CurveKeys.h"
#include "host/builtins/PlugName.h"
#include "host/builtins/StateChange.h"
#include "host/builtins/Units.h"
#include "host/scene/AnimCurveData.h"
#include "host/scene/Scene.h"
#include "host/scene/Timeline.h"

#include <cmath>
#include <numbers>

namespace vex::host::builtins {

using command::Value;

bool currentTimeCommand(CommandContext& context) {
    Timeline& timeline = Timeline::instance();
    if (context.has("-q", "-query")) {
        context.result = Value::Float(units::secondsToFrames(timeline.currentTime()));
        return true;
    }
    const auto words = context.positional({{"-u", 1}, {"-update", 1}});
    if (words.empty()) return context.fail("No time was given.");
    const double frame = Value::String(words[0]).AsDouble();
    const double before = timeline.currentTime();
    const double after = units::framesToSeconds(frame);
    if (after != before)
        StateChange::apply([after] { Timeline::instance().setCurrentTime(after); },
                           [before] { Timeline::instance().setCurrentTime(before); });
    context.result = Value::Float(frame);
    return true;
}

bool playbackOptionsCommand(CommandContext& context) {
    Timeline& timeline = Timeline::instance();
    struct Range {
        const char* shortName;
        const char* longName;
        double (Timeline::*get)() const;
        void (Timeline::*set)(double);
    };
    const Range ranges[] = {
        {"-min", "-minTime", &Timeline::minTime, &Timeline::setMinTime},
        {"-max", "-maxTime", &Timeline::maxTime, &Timeline::setMaxTime},
        {"-ast", "-animationStartTime", &Timeline::animationStart, &Timeline::setAnimationStart},
        {"-aet", "-animationEndTime", &Timeline::animationEnd, &Timeline::setAnimationEnd}};
    const char* const modes[] = {"once", "continuous", "oscillate"};
    if (context.has("-q", "-query")) {
        for (const auto& r : ranges)
            if (context.has(r.shortName, r.longName)) {
                context.result = Value::Float(units::secondsToFrames((timeline.*r.get)()));
                return true;
            }
        if (context.has("-by", "-by")) {
            context.result = Value::Float(timeline.playbackBy());
            return true;
        }
        if (context.has("-l", "-loop")) {
            context.result = Value::String(modes[static_cast<int>(timeline.mode())]);
            return true;
        }
        return context.fail("No value to query was named.");
    }
    for (const auto& r : ranges)
        if (auto v = context.value(r.shortName, r.longName))
            (timeline.*r.set)(units::framesToSeconds(v->AsDouble()));
    if (auto v = context.value("-by", "-by")) timeline.setPlaybackBy(v->AsDouble());
    if (auto v = context.value("-l", "-loop")) {
        const std::string mode = v->AsString();
        for (int i = 0; i < 3; ++i)
            if (mode == modes[i]) timeline.setMode(static_cast<Timeline::Mode>(i));
    }
    return true;
}

bool playCommand(CommandContext& context) {
    Timeline& timeline = Timeline::instance();
    if (context.has("-q", "-query")) {
        context.result = Value::Int(timeline.isPlaying() ? 1 : 0);
        return true;
    }
    const bool forward = context.flag("-f", "-forward", true);
    if (context.flag("-st", "-state", true))
        timeline.play(forward);
    else
        timeline.stop();
    return true;
}

namespace {

// The curve a name stands for: an anim curve node, or the curve driving a plug.
std::shared_ptr<AnimCurveData> curveNamed(CommandContext& context, const std::string& name, bool& angular) {
    NodePtr node = Scene::instance().findNode(name);
    if (!node && PlugName::parse(name)) {
        const auto plug = requirePlug(context, name);
        if (!plug) return nullptr;
        if (const Link* input = plug->node->input(*plug->attribute)) node = input->other.lock();
    }
    if (!node) return context.fail("No object matches name: " + name), nullptr;
    auto curve = AnimCurveData::of(*node);
    if (!curve) return context.fail(name + " is not an anim curve."), nullptr;
    angular = node->type().name() == "animCurveTA";
    return curve;
}

} // namespace

bool filterCurveCommand(CommandContext& context) {
    const auto words = context.positional({});
    if (words.empty()) return context.fail("No curve was given.");
    constexpr double turn = 2.0 * std::numbers::pi;
    constexpr double kFlipTolerance = 1e-9;
    for (const auto& word : words) {
        bool angular = false;
        const auto curve = curveNamed(context, word, angular);
        if (!curve) return false;
        if (!angular) continue; // only rotations flip by whole turns
        std::vector<AnimCurveData::Key> keys = curve->keys();
        bool changed = false;
        for (std::size_t i = 1; i < keys.size(); ++i) {
            // A key moves by whole turns only where that really shortens the step to it: a flip by
            // half a turn (within rounding) stays as it is rather than turning either way by chance.
            const double step = keys[i - 1].value - keys[i].value;
            const double turns = std::round(step / turn);
            if (turns != 0.0 && std::abs(step - turns * turn) < std::abs(step) - kFlipTolerance) {
                keys[i].value += turns * turn;
                changed = true;
            }
        }
        if (changed) replaceCurveKeys(curve, std::move(keys));
    }
    return true;
}

} // namespace vex::host::builtins
