#pragma once

#include "host/scene/AttributeDefinition.h"
#include "host/scene/Value.h"

#include <cstdint>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace vex::host {

class Node;
class Scene;

/// Runs a plug-in node type's MPxNode::compute when one of its outputs is read. The type's
/// attributeAffects declarations say which inputs an output depends on; an output its compute marked
/// clean is answered from the value kept then until one of those inputs reads differently (a value
/// set, a connection changed, an upstream value changed, the time moved an animated input).
class PluginCompute {
public:
    /// Records that `input` affects `output` (MPxNode::attributeAffects while the type initializes).
    void AddAffects(const AttributePtr& input, const AttributePtr& output);

    /// Computes `attribute` of `node` into `out`. False when the attribute is no output of the type,
    /// the node has no plug-in object, the compute does not handle it, or it is already being
    /// computed (a cycle): the stored value is then read.
    bool Run(const Scene& scene, const Node& node, const AttributeDefinition& attribute, double time,
             Value& out);

    /// Number of times the plug-in's compute has been called (for the host's own measurements).
    std::uint64_t calls() const { return calls_; }

private:
    struct Kept {
        std::vector<Value> inputs;
        Value value;
    };
    using Key = std::pair<std::uint64_t, const AttributeDefinition*>;

    /// The output the type declares for `attribute`: the attribute itself or the compound it belongs to.
    const AttributeDefinition* OutputFor(const AttributeDefinition& attribute) const;

    std::map<const AttributeDefinition*, std::vector<AttributePtr>> inputsOf_;
    std::map<Key, Kept> kept_;
    std::set<Key> running_;
    std::uint64_t calls_ = 0;
};

} // namespace vex::host
