#include "host/builtins/KeySet.h"

#include "host/builtins/CurveKeys.h"
#include "host/builtins/PlugName.h"
#include "host/builtins/Units.h"
#include "host/scene/Scene.h"
#include "util/NumberText.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vex::host::builtins {

namespace {

using TimeRange = KeySet::Range;
using Target = KeySet::Target;
using CurveTarget = KeySet::Curve;
using Tangent = AnimCurveData::Tangent;

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

} // namespace

std::optional<std::vector<KeySet::Range>> KeySet::Ranges(CommandContext& context, const KeyCall& call) {
    std::vector<TimeRange> ranges;
    for (const auto& text : call.Values("-time")) {
        const auto range = RangeOf(context, text);
        if (!range) return std::nullopt;
        ranges.push_back(*range);
    }
    if (ranges.empty()) ranges.emplace_back();
    return ranges;
}

bool KeySet::InRanges(const std::vector<TimeRange>& ranges, double time) {
    return std::any_of(ranges.begin(), ranges.end(), [&](const TimeRange& r) { return r.Contains(time); });
}

std::optional<AnimCurveData::Tangent> KeySet::TangentNamed(CommandContext& context, const std::string& name) {
    for (const auto& [word, type] : kTangentNames)
        if (name == word) return type;
    context.Fail("\"" + name + "\" is not a tangent type.");
    return std::nullopt;
}

const char* KeySet::TangentName(AnimCurveData::Tangent type) {
    for (const auto& [word, t] : kTangentNames)
        if (t == type) return word;
    return "global";
}

std::optional<std::vector<KeySet::Target>> KeySet::Targets(CommandContext& context, const KeyCall& call) {
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

NodePtr KeySet::CurveNodeOf(const Target& target) {
    const Link* input = target.node->Input(*target.attribute);
    const NodePtr source = input ? input->other.lock() : nullptr;
    return source && AnimCurveData::Of(*source) ? source : nullptr;
}

std::optional<std::vector<KeySet::Curve>> KeySet::Curves(CommandContext& context, const KeyCall& call) {
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
        auto targets = Targets(context, others);
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

} // namespace vex::host::builtins
