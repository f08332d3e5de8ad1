#include "host/api/PluginCompute.h"

#include "host/api/ComputeBlock.h"
#include "host/scene/Node.h"
#include "host/scene/ObjectAccess.h"
#include "host/scene/Scene.h"

#include <maya/MPlug.h>
#include <maya/MPxNode.h>

#include <algorithm>

namespace vex::host {

namespace {

// The value of `attribute` within the value computed for `output` (itself, or one number of it).
bool PieceOf(const Value& computed, const AttributeDefinition& attribute, const AttributeDefinition& output,
             Value& out) {
    if (&attribute == &output) {
        out = computed;
        return true;
    }
    const auto* numbers = std::get_if<Double3>(&computed);
    const int index = attribute.ChildIndex();
    if (!numbers || index < 0 || index > 2) return false;
    out = attribute.Coerce((*numbers)[index]);
    return true;
}

// What the compute left for `output`: its own slot, or its children's slots put together.
bool Result(ComputeBlock& block, const AttributeDefinition& output, bool& clean, Value& out) {
    if (const DataSlot* slot = block.Find(output); slot && slot->written) {
        clean = slot->clean;
        out = slot->value;
        return true;
    }
    if (output.kind() != AttributeKind::kDouble3 || output.Children().empty()) return false;
    Double3 numbers{};
    bool any = false;
    clean = true;
    const auto& children = output.Children();
    for (std::size_t i = 0; i < children.size() && i < 3; ++i) {
        const DataSlot* slot = block.Find(*children[i]);
        if (!slot || !slot->written) {
            clean = false;
            continue;
        }
        any = true;
        clean = clean && slot->clean;
        numbers[i] = ToDouble(slot->value);
    }
    out = numbers;
    return any;
}

} // namespace

void PluginCompute::AddAffects(const AttributePtr& input, const AttributePtr& output) {
    auto& inputs = inputsOf_[output.get()];
    if (std::find(inputs.begin(), inputs.end(), input) == inputs.end()) inputs.push_back(input);
}

const AttributeDefinition* PluginCompute::OutputFor(const AttributeDefinition& attribute) const {
    if (inputsOf_.count(&attribute)) return &attribute;
    const AttributeDefinition* parent = attribute.parent();
    return parent && inputsOf_.count(parent) ? parent : nullptr;
}

bool PluginCompute::Run(const Scene& scene, const Node& node, const AttributeDefinition& attribute,
                        double time, Value& out) {
    const AttributeDefinition* output = OutputFor(attribute);
    auto* object = static_cast<MPxNode*>(node.UserObject().get());
    if (!output || !object) return false;
    const Key key{node.Serial(), output};
    if (running_.count(key)) return false;

    std::vector<Value> inputs;
    for (const AttributePtr& input : inputsOf_.at(output))
        inputs.push_back(scene.evaluate(node, *input, time));
    if (auto it = kept_.find(key); it != kept_.end() && it->second.inputs == inputs)
        return PieceOf(it->second.value, attribute, *output, out);
    kept_.erase(key);

    ComputeBlock block(scene, node, time);
    MDataBlock data = block.Block();
    auto self = std::const_pointer_cast<Node>(node.shared_from_this());
    auto outputPtr = std::const_pointer_cast<AttributeDefinition>(output->shared_from_this());
    const MPlug plug(ObjectAccess::wrap(self), ObjectAccess::wrap(outputPtr));
    running_.insert(key);
    ++calls_;
    const MStatus status = object->compute(plug, data);
    running_.erase(key);
    block.Settle();

    Value computed;
    bool clean = false;
    if (!status || !Result(block, *output, clean, computed)) return false;
    if (clean) kept_[key] = Kept{std::move(inputs), computed};
    return PieceOf(computed, attribute, *output, out);
}

} // namespace vex::host
