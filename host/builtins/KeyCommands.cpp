#include "host/builtins/KeyCommands.h"

#include "host/builtins/CurveKeys.h"
#include "host/builtins/PlugName.h"
#include "host/builtins/Units.h"
#include "host/scene/AnimCurveData.h"
#include "host/scene/AnimCurveNodeTypes.h"
#include "host/scene/Scene.h"
#include "util/NumberText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
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

// A flag of a key command: its names and whether it takes a value in the mode the call is in.
struct FlagName {
    const char* shortName;
    const char* longName;
    bool value;      // takes a value when editing or creating
    bool queryValue; // takes a value when querying
};

constexpr std::array<FlagName, 22> kFlags = {{
    {"-q", "-query", false, false},
    {"-e", "-edit", false, false},
    {"-t", "-time", true, true},
    {"-at", "-attribute", true, true},
    {"-v", "-value", true, false},
    {"-itt", "-inTangentType", true, false},
    {"-ott", "-outTangentType", true, false},
    {"-kc", "-keyframeCount", false, false},
    {"-tc", "-timeChange", true, false},
    {"-vc", "-valueChange", true, false},
    {"-r", "-relative", false, false},
    {"-a", "-absolute", false, false},
    {"-o", "-option", true, true},
    {"-sl", "-selected", false, false},
    {"-cl", "-clear", false, false},
    {"-bd", "-breakdown", true, false},
    {"-ia", "-inAngle", true, false},
    {"-oa", "-outAngle", true, false},
    {"-iw", "-inWeight", true, false},
    {"-ow", "-outWeight", true, false},
    {"-l", "-lock", true, false},
    {"-wl", "-weightLock", true, false},
}};

// A key command's call read in its mode: the values of each flag (by long name) and the targets.
class KeyCall {
public:
    explicit KeyCall(const command::CommandCall& call) {
        for (const auto& arg : call.args)
            if (arg.isFlag && Named(arg.value.AsString()) == std::string("-query")) querying_ = true;
        for (std::size_t i = 0; i < call.args.size(); ++i) {
            const auto& arg = call.args[i];
            if (!arg.isFlag) {
                targets.push_back(arg.value.AsString());
                continue;
            }
            const FlagName* flag = Find(arg.value.AsString());
            if (!flag) continue; // the syntax has turned away any other
            std::vector<std::string>& values = flags_[flag->longName];
            const bool takesValue = querying_ ? flag->queryValue : flag->value;
            if (takesValue && i + 1 < call.args.size() && !call.args[i + 1].isFlag)
                values.push_back(call.args[++i].value.AsString());
        }
    }

    bool Querying() const { return querying_; }
    bool Has(const char* longName) const { return flags_.count(longName) > 0; }
    /// Every value the flag was given, in order.
    std::vector<std::string> Values(const char* longName) const {
        const auto found = flags_.find(longName);
        return found == flags_.end() ? std::vector<std::string>() : found->second;
    }
    /// The flag's last value, if any.
    std::optional<std::string> Last(const char* longName) const {
        const auto values = Values(longName);
        if (values.empty()) return std::nullopt;
        return values.back();
    }

    std::vector<std::string> targets;

private:
    static const FlagName* Find(const std::string& name) {
        for (const FlagName& flag : kFlags)
            if (name == flag.shortName || name == flag.longName) return &flag;
        return nullptr;
    }
    static std::string Named(const std::string& name) {
        const FlagName* flag = Find(name);
        return flag ? flag->longName : name;
    }

    bool querying_ = false;
    std::map<std::string, std::vector<std::string>> flags_;
};

// A number a flag was given, or a failure naming the flag.
std::optional<double> NumberOf(CommandContext& context, const std::string& text, const char* flag) {
    const auto number = util::ParseNumber<double>(text);
    if (!number) context.Fail("Flag " + std::string(flag) + ": \"" + text + "\" is not a number.");
    return number;
}

// Times in seconds, both ends included (within the curve's tolerance).
struct TimeRange {
    double first = -std::numeric_limits<double>::infinity();
    double last = std::numeric_limits<double>::infinity();
    bool Contains(double time) const {
        return time >= first - AnimCurveData::kTimeTolerance && time <= last + AnimCurveData::kTimeTolerance;
    }
};

// A -t value in frames: "10", "10:20", "10:", ":20" or ":".
std::optional<TimeRange> RangeOf(CommandContext& context, const std::string& text) {
    TimeRange range;
    const auto colon = text.find(':');
    const std::string from = text.substr(0, colon);
    const std::string to = colon == std::string::npos ? from : text.substr(colon + 1);
    for (const auto& [part, end] : {std::pair{from, &range.first}, std::pair{to, &range.last}}) {
        if (part.empty() && colon != std::string::npos) continue;
        const auto frames = util::ParseNumber<double>(part);
        if (!frames)
            return context.Fail("Flag -time: \"" + text + "\" is not a time or a time range."), std::nullopt;
        *end = units::FramesToSeconds(*frames);
    }
    return range;
}

// The ranges of every -t flag; one range of all time when there is none.
std::optional<std::vector<TimeRange>> RangesOf(CommandContext& context, const KeyCall& call) {
    std::vector<TimeRange> ranges;
    for (const auto& text : call.Values("-time")) {
        const auto range = RangeOf(context, text);
        if (!range) return std::nullopt;
        ranges.push_back(*range);
    }
    if (ranges.empty()) ranges.emplace_back();
    return ranges;
}

bool InRanges(const std::vector<TimeRange>& ranges, double time) {
    return std::any_of(ranges.begin(), ranges.end(), [&](const TimeRange& r) { return r.Contains(time); });
}

// Tangent types by the names the commands use.
constexpr std::array<std::pair<const char*, Tangent>, 12> kTangentNames = {
    {{"global", AnimCurveData::kGlobal},
     {"fixed", AnimCurveData::kFixed},
     {"linear", AnimCurveData::kLinear},
     {"flat", AnimCurveData::kFlat},
     {"spline", AnimCurveData::kSmooth},
     {"step", AnimCurveData::kStep},
     {"slow", AnimCurveData::kSlow},
     {"fast", AnimCurveData::kFast},
     {"clamped", AnimCurveData::kClamped},
     {"plateau", AnimCurveData::kPlateau},
     {"stepnext", AnimCurveData::kStepNext},
     {"auto", AnimCurveData::kAuto}}};

std::optional<Tangent> TangentNamed(CommandContext& context, const std::string& name) {
    for (const auto& [word, type] : kTangentNames)
        if (name == word) return type;
    context.Fail("\"" + name + "\" is not a tangent type.");
    return std::nullopt;
}

const char* TangentName(Tangent type) {
    for (const auto& [word, t] : kTangentNames)
        if (t == type) return word;
    return "global";
}

// The tangent type a flag gives, none when absent; false on a bad name.
bool OptionalTangent(CommandContext& context, const KeyCall& call, const char* flag,
                     std::optional<Tangent>& type) {
    const auto name = call.Last(flag);
    if (!name) return true;
    type = TangentNamed(context, *name);
    return type.has_value();
}

// A plug of a target: a node and one of its number attributes.
struct Target {
    NodePtr node;
    AttributePtr attribute;
};

bool IsNumber(const AttributeDefinition& attribute) {
    const auto kind = attribute.kind();
    return kind == AttributeKind::kDouble || kind == AttributeKind::kInt || kind == AttributeKind::kBool;
}

// The number attributes an attribute stands for: itself, or a compound's children.
void AddLeaves(const NodePtr& node, const AttributePtr& attribute, std::vector<Target>& targets) {
    if (attribute->Children().empty()) {
        if (IsNumber(*attribute)) targets.push_back({node, attribute});
        return;
    }
    for (const auto& child : attribute->Children()) AddLeaves(node, child, targets);
}

// The plugs the command's targets and -at flags name: "node.attr" plugs, each object's -at attributes,
// or with none every keyable number attribute of each object. The selection stands in for no targets.
std::optional<std::vector<Target>> TargetsOf(CommandContext& context, const KeyCall& call) {
    std::vector<NodePtr> nodes;
    std::vector<Target> targets;
    const Scene& scene = Scene::Instance();
    for (const auto& word : call.targets) {
        if (const auto plug = PlugName::Parse(word); plug && !plug->node.empty()) {
            const auto resolved = RequirePlug(context, word);
            if (!resolved) return std::nullopt;
            AddLeaves(resolved->node, resolved->attribute, targets);
            continue;
        }
        const NodePtr node = RequireNode(context, word);
        if (!node) return std::nullopt;
        nodes.push_back(node);
    }
    if (call.targets.empty()) nodes = scene.Selection();
    const auto attributes = call.Values("-attribute");
    for (const auto& node : nodes) {
        if (!attributes.empty()) {
            for (const auto& name : attributes) {
                const auto attribute = node->FindAttribute(name);
                if (!attribute)
                    return context.Fail("No attribute " + name + " on " + node->name() + "."), std::nullopt;
                AddLeaves(node, attribute, targets);
            }
            continue;
        }
        for (const auto& attribute : node->Attributes()) {
            std::vector<Target> leaves;
            AddLeaves(node, attribute, leaves);
            for (const auto& leaf : leaves)
                if (leaf.attribute->keyable ||
                    (leaf.attribute->parent() && leaf.attribute->parent()->keyable))
                    targets.push_back(leaf);
        }
    }
    return targets;
}

// The anim curve node that drives a plug, or null.
NodePtr CurveNodeOf(const Target& target) {
    const Link* input = target.node->Input(*target.attribute);
    const NodePtr source = input ? input->other.lock() : nullptr;
    return source && AnimCurveData::Of(*source) ? source : nullptr;
}

// A curve a key command works on: the node that owns it and its data.
struct CurveTarget {
    NodePtr node;
    std::shared_ptr<AnimCurveData> curve;
    units::Kind kind;
};

// The curves of the targets: anim curve nodes named themselves, or the curves driving the plugs.
std::optional<std::vector<CurveTarget>> CurvesOf(CommandContext& context, const KeyCall& call) {
    std::vector<CurveTarget> curves;
    auto add = [&](const NodePtr& node) {
        for (const auto& c : curves)
            if (c.node == node) return;
        curves.push_back({node, AnimCurveData::Of(*node), units::CurveValueKind(*node)});
    };
    KeyCall others = call;
    others.targets.clear();
    for (const auto& word : call.targets) {
        const NodePtr node = Scene::Instance().findNode(word);
        if (node && AnimCurveData::Of(*node))
            add(node);
        else
            others.targets.push_back(word);
    }
    if (!others.targets.empty() || call.targets.empty()) {
        auto targets = TargetsOf(context, others);
        if (!targets) return std::nullopt;
        // Every animated attribute counts, keyable or not, when an object is named without -at.
        if (!call.Has("-attribute"))
            for (const auto& word : others.targets)
                if (const NodePtr node = Scene::Instance().findNode(word); node && !PlugName::Parse(word))
                    for (const auto& attribute : node->Attributes()) AddLeaves(node, attribute, *targets);
        for (const auto& target : *targets)
            if (const NodePtr curve = CurveNodeOf(target)) add(curve);
    }
    return curves;
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
    const auto targets = TargetsOf(context, call);
    if (!targets) return false;
    if (targets->empty()) return context.Fail("No attributes to key were found.");

    std::int64_t count = 0;
    for (const Target& target : *targets) {
        const Link* input = target.node->Input(*target.attribute);
        NodePtr curveNode = CurveNodeOf(target);
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
    const auto ranges = RangesOf(context, call);
    if (!ranges) return false;
    const auto curves = CurvesOf(context, call);
    if (!curves) return false;
    // Keys are never selected in the host, so a selected-keys query finds none.
    const bool selectedOnly = call.Has("-selected");

    if (call.Querying()) {
        std::int64_t count = 0;
        std::vector<double> numbers;
        for (const auto& target : *curves) {
            if (selectedOnly) break;
            for (const Key& key : target.curve->Keys()) {
                if (!InRanges(*ranges, key.time)) continue;
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
            (InRanges(*ranges, key.time) ? moved : kept).push_back(key);
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
    const auto ranges = RangesOf(context, call);
    if (!ranges) return false;
    const auto curves = CurvesOf(context, call);
    if (!curves) return false;
    std::int64_t cut = 0;
    for (const auto& target : *curves) {
        std::vector<Key> kept;
        for (const Key& key : target.curve->Keys())
            if (!InRanges(*ranges, key.time)) kept.push_back(key);
        if (kept.size() == target.curve->size()) continue;
        ReplaceCurveKeys(target.curve, std::move(kept));
        ++cut;
    }
    context.result = Value::Int(cut);
    return true;
}

bool KeyTangentCommand(CommandContext& context) {
    const KeyCall call(context.call);
    const auto ranges = RangesOf(context, call);
    if (!ranges) return false;
    const auto curves = CurvesOf(context, call);
    if (!curves) return false;

    if (call.Querying()) {
        const bool types = call.Has("-inTangentType") || call.Has("-outTangentType");
        std::vector<std::string> names;
        std::vector<double> numbers;
        for (const auto& target : *curves)
            for (std::size_t i = 0; i < target.curve->size(); ++i) {
                if (!InRanges(*ranges, target.curve->KeyAt(i).time)) continue;
                const Key& key = target.curve->KeyAt(i);
                if (call.Has("-inTangentType")) names.emplace_back(TangentName(key.in));
                if (call.Has("-outTangentType")) names.emplace_back(TangentName(key.out));
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
            if (!InRanges(*ranges, edited.KeyAt(i).time)) continue;
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
