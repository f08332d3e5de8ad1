#pragma once

#include "host/builtins/CommandContext.h"
#include "host/builtins/KeyCall.h"
#include "host/builtins/Units.h"
#include "host/scene/AnimCurveData.h"
#include "host/scene/Node.h"

#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vex::host::builtins {

/// What the key commands work on, found from their calls: the time ranges of -t, the plugs to key and
/// the curves to read or edit. Each finder fails the command with a reason when a name is wrong.
class KeySet {
public:
    /// Times in seconds, both ends included (within the curve's tolerance).
    struct Range {
        double first = -std::numeric_limits<double>::infinity();
        double last = std::numeric_limits<double>::infinity();
        bool Contains(double time) const {
            return time >= first - AnimCurveData::kTimeTolerance &&
                   time <= last + AnimCurveData::kTimeTolerance;
        }
    };
    /// A plug: a node and one of its number attributes.
    struct Target {
        NodePtr node;
        AttributePtr attribute;
    };
    /// A curve: the node that owns it, its data and the unit kind of its values.
    struct Curve {
        NodePtr node;
        std::shared_ptr<AnimCurveData> curve;
        units::Kind kind;
    };

    /// The ranges of every -t flag ("10", "10:20", "10:", ":20", ":", in frames); one range of all
    /// time when there is none.
    static std::optional<std::vector<Range>> Ranges(CommandContext& context, const KeyCall& call);
    /// Whether the time lies in one of the ranges.
    static bool InRanges(const std::vector<Range>& ranges, double time);
    /// The plugs the targets and -at flags name: "node.attr" plugs, each object's -at attributes, or
    /// with none every keyable number attribute of each object; the selection stands in for no targets.
    static std::optional<std::vector<Target>> Targets(CommandContext& context, const KeyCall& call);
    /// The curves of the targets: anim curve nodes named themselves, or the curves driving the plugs
    /// (an object named without -at gives all its animated attributes, keyable or not).
    static std::optional<std::vector<Curve>> Curves(CommandContext& context, const KeyCall& call);
    /// The anim curve node that drives the plug, or null.
    static NodePtr CurveNodeOf(const Target& target);
    /// Tangent types by the names the commands use ("spline", "clamped", "stepnext" ...).
    static std::optional<AnimCurveData::Tangent> TangentNamed(CommandContext& context,
                                                              const std::string& name);
    static const char* TangentName(AnimCurveData::Tangent type);
};

} // namespace vex::host::builtins
