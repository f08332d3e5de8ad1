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

bool CurrentTimeCommand(CommandContext& context) {
    Timeline& timeline = Timeline::Instance();
    if (context.Has("-q", "-query")) {
        context.result = Value::Float(units::SecondsToFrames(timeline.currentTime()));
        return true;
    }
    const auto words = context.Positional({{"-u", 1}, {"-update", 1}});
    if (words.empty()) return context.Fail("No time was given.");
    const double frame = Value::String(words[0]).AsDouble();
    const double before = timeline.currentTime();
    const double after = units::FramesToSeconds(frame);
    if (after != before)
        StateChange::Apply([after] { Timeline::Instance().setCurrentTime(after); },
                           [before] { Timeline::Instance().setCurrentTime(before); });
    context.result = Value::Float(frame);
    return true;
}

bool PlaybackOptionsCommand(CommandContext& context) {
    Timeline& timeline = Timeline::Instance();
    struct Range {
        const char* shortName;
        const char* longName;
        double (Timeline::*get)() const;
        void (Timeline::*set)(double);
    };
    const Range ranges[] = {
        {"-min", "-minTime", &Timeline::minTime, &Timeline::setMinTime},
        {"-max", "-maxTime", &Timeline::maxTime, &Timeline::setMaxTime},
        {"-ast", "-animationStartTime", &Timeline::AnimationStart, &Timeline::SetAnimationStart},
        {"-aet", "-animationEndTime", &Timeline::AnimationEnd, &Timeline::SetAnimationEnd}};
    const char* const modes[] = {"once", "continuous", "oscillate"};
    if (context.Has("-q", "-query")) {
        for (const auto& r : ranges)
            if (context.Has(r.shortName, r.longName)) {
                context.result = Value::Float(units::SecondsToFrames((timeline.*r.get)()));
                return true;
            }
        if (context.Has("-by", "-by")) {
            context.result = Value::Float(timeline.PlaybackBy());
            return true;
        }
        if (context.Has("-l", "-loop")) {
            context.result = Value::String(modes[static_cast<int>(timeline.mode())]);
            return true;
        }
        return context.Fail("No value to query was named.");
    }
    for (const auto& r : ranges)
        if (auto v = context.value(r.shortName, r.longName))
            (timeline.*r.set)(units::FramesToSeconds(v->AsDouble()));
    if (auto v = context.value("-by", "-by")) timeline.SetPlaybackBy(v->AsDouble());
    if (auto v = context.value("-l", "-loop")) {
        const std::string mode = v->AsString();
        for (int i = 0; i < 3; ++i)
            if (mode == modes[i]) timeline.SetMode(static_cast<Timeline::Mode>(i));
    }
    return true;
}

bool PlayCommand(CommandContext& context) {
    Timeline& timeline = Timeline::Instance();
    if (context.Has("-q", "-query")) {
        context.result = Value::Int(timeline.IsPlaying() ? 1 : 0);
        return true;
    }
    const bool forward = context.flag("-f", "-forward", true);
    if (context.flag("-st", "-state", true))
        timeline.Play(forward);
    else
        timeline.stop();
    return true;
}

namespace {

// The curve a name stands for: an anim curve node, or the curve driving a plug.
std::shared_ptr<AnimCurveData> CurveNamed(CommandContext& context, const std::string& name, bool& angular) {
    NodePtr node = Scene::Instance().findNode(name);
    if (!node && PlugName::Parse(name)) {
        const auto plug = RequirePlug(context, name);
        if (!plug) return nullptr;
        if (const Link* input = plug->node->Input(*plug->attribute)) node = input->other.lock();
    }
    if (!node) return context.Fail("No object matches name: " + name), nullptr;
    auto curve = AnimCurveData::Of(*node);
    if (!curve) return context.Fail(name + " is not an anim curve."), nullptr;
    angular = node->type().name() == "animCurveTA";
    return curve;
}

} // namespace

bool FilterCurveCommand(CommandContext& context) {
    const auto words = context.Positional({});
    if (words.empty()) return context.Fail("No curve was given.");
    constexpr double kTurn = 2.0 * std::numbers::pi;
    constexpr double kFlipTolerance = 1e-9;
    for (const auto& word : words) {
        bool angular = false;
        const auto curve = CurveNamed(context, word, angular);
        if (!curve) return false;
        if (!angular) continue; // only rotations flip by whole turns
        std::vector<AnimCurveData::Key> keys = curve->Keys();
        bool changed = false;
        for (std::size_t i = 1; i < keys.size(); ++i) {
            // A key moves by whole turns only where that really shortens the step to it: a flip by
            // half a turn (within rounding) stays as it is rather than turning either way by chance.
            const double step = keys[i - 1].value - keys[i].value;
            const double turns = std::round(step / kTurn);
            if (turns != 0.0 && std::abs(step - turns * kTurn) < std::abs(step) - kFlipTolerance) {
                keys[i].value += turns * kTurn;
                changed = true;
            }
        }
        if (changed) ReplaceCurveKeys(curve, std::move(keys));
    }
    return true;
}

} // namespace vex::host::builtins
