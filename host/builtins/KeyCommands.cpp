#include "host/builtins/KeyCommands.h"

#include "host/builtins/CurveKeys.h"
#include "host/builtins/KeyCall.h"
#include "host/builtins/KeySet.h"
#include "host/builtins/Units.h"
#include "host/scene/AnimCurveData.h"
#include "host/scene/AnimCurveNodeTypes.h"
#include "host/scene/Scene.h"
#include "util/NumberText.h"

#include <cmath>
#include <cstdint>
#include <map>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

namespace vex::host::builtins {

namespace {

using command::Value;
using Arg = CommandSyntax::Arg;
using Key = AnimCurveData::Key;
using Tangent = AnimCurveData::Tangent;
using Target = KeySet::Target;

// A number a flag was given, or a failure naming the flag.
std::optional<double> NumberOf(CommandContext& context, const std::string& text, const char* flag) {
    const auto number = util::ParseNumber<double>(text);
    if (!number) context.Fail("Flag " + std::string(flag) + ": \"" + text + "\" is not a number.");
    return number;
}

// The tangent type a flag gives, none when absent; false on a bad name.
bool OptionalTangent(CommandContext& context, const KeyCall& call, const char* flag,
                     std::optional<Tangent>& type) {
    const auto name = call.Last(flag);
    if (!name) return true;
    type = KeySet::TangentNamed(context, *name);
    return type.has_value();
}

// A new curve driving the plug, made through the scene so the command's journal takes it back.
NodePtr NewCurve(CommandContext& context, const Target& target) {
    Scene& scene = Scene::Instance();
    const NodePtr curve = scene.MakeNode(AnimCurveTypeFor(*target.attribute),
                                         target.node->name() + "_" + target.attribute->LongName());
    if (!curve || !scene.InsertNode(curve) ||
        !scene.connect(curve, curve->FindAttribute("output"), target.node, target.attribute))
        return context.Fail("Cannot animate " + target.node->name() + "." + target.attribute->LongName() +
                            "."),
               nullptr;
    // New curves take the clamped tangents Maya gives keys unless told otherwise.
    AnimCurveData::Of(*curve)->SetDefaultTangent(AnimCurveData::kClamped);
    return curve;
}

} // namespace

bool SetKeyframeCommand(CommandContext& context) {
    const KeyCall call(context.call);
    std::optional<Tangent> in, out;
    if (!OptionalTangent(context, call, "-inTangentType", in) ||
        !OptionalTangent(context, call, "-outTangentType", out))
        return false;
    std::optional<double> value;
    if (const auto text = call.Last("-value")) {
        value = NumberOf(context, *text, "-value");
        if (!value) return false;
    }
    std::vector<double> times;
    for (const auto& text : call.Values("-time")) {
        const auto frames = NumberOf(context, text, "-time");
        if (!frames) return false;
        times.push_back(units::FramesToSeconds(*frames));
    }
    Scene& scene = Scene::Instance();
    if (times.empty()) times.push_back(scene.currentTime());
    const auto targets = KeySet::Targets(context, call);
    if (!targets) return false;
    if (targets->empty()) return context.Fail("No attributes to key were found.");

    std::int64_t count = 0;
    for (const Target& target : *targets) {
        const Link* input = target.node->Input(*target.attribute);
        NodePtr curveNode = KeySet::CurveNodeOf(target);
        if (!curveNode && input) continue; // driven by something else: not keyable
        // The attribute's own value is read before a new curve takes it over.
        const double own = ToDouble(scene.evaluate(*target.node, *target.attribute));
        if (!curveNode && !(curveNode = NewCurve(context, target))) return false;
        const auto curve = AnimCurveData::Of(*curveNode);
        AnimCurveData edited = *curve;
        for (const double time : times) {
            Key key;
            key.time = time;
            key.value = value ? units::ToInternal(units::KindOf(*target.attribute), *value)
                              : (curve->size() > 0 ? curve->evaluate(time) : own);
            key.in = key.out = edited.DefaultTangent();
            // A key already at the time keeps its tangents and locks.
            if (const auto at = edited.Find(time)) {
                const double newValue = key.value;
                key = edited.KeyAt(*at);
                key.value = newValue;
            }
            const std::size_t index = edited.SetKey(key);
            edited.SetTangents(index, in.value_or(edited.KeyAt(index).in),
                               out.value_or(edited.KeyAt(index).out));
            ++count;
        }
        ReplaceCurveKeys(curve, edited.Keys());
    }
    context.result = Value::Int(count);
    return true;
}

bool KeyframeCommand(CommandContext& context) {
    const KeyCall call(context.call);
    const auto ranges = KeySet::Ranges(context, call);
    if (!ranges) return false;
    const auto curves = KeySet::Curves(context, call);
    if (!curves) return false;
    // Keys are never selected in the host, so a selected-keys query finds none.
    const bool selectedOnly = call.Has("-selected");

    if (call.Querying()) {
        std::int64_t count = 0;
        std::vector<double> numbers;
        for (const auto& target : *curves) {
            if (selectedOnly) break;
            for (const Key& key : target.curve->Keys()) {
                if (!KeySet::InRanges(*ranges, key.time)) continue;
                ++count;
                if (call.Has("-timeChange")) numbers.push_back(units::SecondsToFrames(key.time));
                if (call.Has("-valueChange")) numbers.push_back(units::ToUi(target.kind, key.value));
            }
        }
        if (call.Has("-timeChange") || call.Has("-valueChange"))
            context.result = Value::FloatArray(std::move(numbers));
        else
            context.result = Value::Int(count);
        return true;
    }

    if (const auto option = call.Last("-option"); option && *option != "over")
        return context.Fail("Only the \"over\" option moves keys here, not \"" + *option + "\".");
    const bool relative = call.Has("-relative") && !call.Has("-absolute");
    std::optional<double> timeChange, valueChange;
    if (const auto text = call.Last("-timeChange")) {
        timeChange = NumberOf(context, *text, "-timeChange");
        if (!timeChange) return false;
    }
    if (const auto text = call.Last("-valueChange")) {
        valueChange = NumberOf(context, *text, "-valueChange");
        if (!valueChange) return false;
    }
    std::int64_t changed = 0;
    for (const auto& target : *curves) {
        if (selectedOnly) break;
        std::vector<Key> moved, kept;
        for (const Key& key : target.curve->Keys())
            (KeySet::InRanges(*ranges, key.time) ? moved : kept).push_back(key);
        if (moved.empty()) continue;
        for (Key& key : moved) {
            if (timeChange)
                key.time = relative
                               ? key.time + units::FramesToSeconds(*timeChange) - units::FramesToSeconds(0.0)
                               : units::FramesToSeconds(*timeChange);
            if (valueChange) {
                const double change = units::ToInternal(target.kind, *valueChange);
                key.value = relative ? key.value + change : change;
            }
        }
        // Moved keys go over the keys that stay: one at the same time replaces it.
        AnimCurveData edited = *target.curve;
        edited.AssignKeys(std::move(kept));
        for (const Key& key : moved) edited.SetKey(key);
        ReplaceCurveKeys(target.curve, edited.Keys());
        ++changed;
    }
    context.result = Value::Int(changed);
    return true;
}

bool CutKeyCommand(CommandContext& context) {
    const KeyCall call(context.call);
    const auto ranges = KeySet::Ranges(context, call);
    if (!ranges) return false;
    const auto curves = KeySet::Curves(context, call);
    if (!curves) return false;
    std::int64_t cut = 0;
    for (const auto& target : *curves) {
        std::vector<Key> kept;
        for (const Key& key : target.curve->Keys())
            if (!KeySet::InRanges(*ranges, key.time)) kept.push_back(key);
        if (kept.size() == target.curve->size()) continue;
        ReplaceCurveKeys(target.curve, std::move(kept));
        ++cut;
    }
    context.result = Value::Int(cut);
    return true;
}

bool KeyTangentCommand(CommandContext& context) {
    const KeyCall call(context.call);
    const auto ranges = KeySet::Ranges(context, call);
    if (!ranges) return false;
    const auto curves = KeySet::Curves(context, call);
    if (!curves) return false;

    if (call.Querying()) {
        const bool types = call.Has("-inTangentType") || call.Has("-outTangentType");
        std::vector<std::string> names;
        std::vector<double> numbers;
        for (const auto& target : *curves)
            for (std::size_t i = 0; i < target.curve->size(); ++i) {
                if (!KeySet::InRanges(*ranges, target.curve->KeyAt(i).time)) continue;
                const Key& key = target.curve->KeyAt(i);
                if (call.Has("-inTangentType")) names.emplace_back(KeySet::TangentName(key.in));
                if (call.Has("-outTangentType")) names.emplace_back(KeySet::TangentName(key.out));
                for (const bool inSide : {true, false}) {
                    const auto vector = target.curve->TangentVector(i, inSide);
                    if (call.Has(inSide ? "-inAngle" : "-outAngle"))
                        numbers.push_back(std::atan2(vector.y, vector.x) * 180.0 / std::numbers::pi);
                    if (call.Has(inSide ? "-inWeight" : "-outWeight"))
                        numbers.push_back(std::hypot(vector.x, vector.y));
                }
                if (call.Has("-lock")) numbers.push_back(key.tangentsLocked ? 1.0 : 0.0);
                if (call.Has("-weightLock")) numbers.push_back(key.weightsLocked ? 1.0 : 0.0);
            }
        context.result = types ? Value::StringArray(std::move(names)) : Value::FloatArray(std::move(numbers));
        return true;
    }

    std::optional<Tangent> in, out;
    if (!OptionalTangent(context, call, "-inTangentType", in) ||
        !OptionalTangent(context, call, "-outTangentType", out))
        return false;
    // The numbers the flags give, checked before anything changes.
    std::map<std::string, double> numbers;
    for (const char* flag : {"-inAngle", "-outAngle", "-inWeight", "-outWeight"})
        if (const auto text = call.Last(flag)) {
            const auto number = NumberOf(context, *text, flag);
            if (!number) return false;
            const bool angle = std::string(flag).find("Angle") != std::string::npos;
            if (angle ? !(std::abs(*number) < 90.0) : !(*number > 0.0))
                return context.Fail(std::string("Flag ") + flag + ": " + *text +
                                    (angle ? " is not between -90 and 90 degrees." : " is not above 0."));
            numbers[flag] = *number;
        }
    std::map<std::string, bool> locks;
    for (const char* flag : {"-lock", "-weightLock"})
        if (const auto text = call.Last(flag)) {
            const auto truth = CommandContext::Truth(*text);
            if (!truth)
                return context.Fail(std::string("Flag ") + flag + ": \"" + *text +
                                    "\" is not a truth value.");
            locks[flag] = *truth;
        }
    for (const auto& target : *curves) {
        AnimCurveData edited = *target.curve;
        for (std::size_t i = 0; i < edited.size(); ++i) {
            if (!KeySet::InRanges(*ranges, edited.KeyAt(i).time)) continue;
            Key key = edited.KeyAt(i);
            if (locks.count("-lock")) key.tangentsLocked = locks["-lock"];
            if (locks.count("-weightLock")) key.weightsLocked = locks["-weightLock"];
            edited.SetKey(key);
            edited.SetTangents(i, in.value_or(key.in), out.value_or(key.out));
            for (const bool inSide : {true, false}) {
                const auto angle = numbers.find(inSide ? "-inAngle" : "-outAngle");
                const auto weight = numbers.find(inSide ? "-inWeight" : "-outWeight");
                if (angle == numbers.end() && weight == numbers.end()) continue;
                const auto vector = edited.TangentVector(i, inSide);
                const double radians = angle != numbers.end() ? angle->second * std::numbers::pi / 180.0
                                                              : std::atan2(vector.y, vector.x);
                const double length =
                    weight != numbers.end() ? weight->second : std::hypot(vector.x, vector.y);
                const AnimCurveData::TangentXY turned{std::cos(radians) * length, std::sin(radians) * length};
                if (angle != numbers.end())
                    edited.SetTangentVector(i, inSide, turned);
                else
                    edited.SetFixedTangent(i, inSide, turned);
            }
        }
        ReplaceCurve(target.curve, edited);
    }
    context.result = Value::Int(static_cast<std::int64_t>(curves->size()));
    return true;
}

CommandSyntax SetKeyframeSyntax() {
    return CommandSyntax()
        .flag("-t", "-time", Arg::kNumber)
        .flag("-v", "-value", Arg::kNumber)
        .flag("-at", "-attribute", Arg::kString)
        .flag("-itt", "-inTangentType", Arg::kString)
        .flag("-ott", "-outTangentType", Arg::kString)
        .flag("-bd", "-breakdown", Arg::kOptionalTruth);
}

CommandSyntax KeyframeSyntax() {
    return CommandSyntax()
        .Query()
        .Edit()
        .flag("-t", "-time", Arg::kString)
        .flag("-at", "-attribute", Arg::kString)
        .flag("-kc", "-keyframeCount")
        .flag("-tc", "-timeChange", Arg::kNumber)
        .flag("-vc", "-valueChange", Arg::kNumber)
        .flag("-r", "-relative")
        .flag("-a", "-absolute")
        .flag("-o", "-option", Arg::kString)
        .flag("-sl", "-selected");
}

CommandSyntax CutKeySyntax() {
    return CommandSyntax()
        .flag("-t", "-time", Arg::kString)
        .flag("-at", "-attribute", Arg::kString)
        .flag("-cl", "-clear")
        .flag("-o", "-option", Arg::kString);
}

CommandSyntax KeyTangentSyntax() {
    return CommandSyntax()
        .Query()
        .Edit()
        .flag("-t", "-time", Arg::kString)
        .flag("-at", "-attribute", Arg::kString)
        .flag("-itt", "-inTangentType", Arg::kString)
        .flag("-ott", "-outTangentType", Arg::kString)
        .flag("-ia", "-inAngle", Arg::kNumber)
        .flag("-oa", "-outAngle", Arg::kNumber)
        .flag("-iw", "-inWeight", Arg::kNumber)
        .flag("-ow", "-outWeight", Arg::kNumber)
        .flag("-l", "-lock", Arg::kTruth)
        .flag("-wl", "-weightLock", Arg::kTruth);
}

} // namespace vex::host::builtins
