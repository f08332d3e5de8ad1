#include "host/api/ComputeBlock.h"

#include "host/scene/Node.h"
#include "host/scene/Scene.h"

namespace vex::host {

ComputeBlock::ComputeBlock(const Scene& scene, const Node& node, double time)
    : scene_(scene), node_(node), time_(time) {}

Value ComputeBlock::Stored(const AttributeDefinition& attribute) const {
    if (attribute.kind() != AttributeKind::kDouble3) return node_.StoredValue(attribute);
    Double3 value{};
    const auto& children = attribute.Children();
    for (std::size_t i = 0; i < children.size() && i < 3; ++i)
        value[i] = ToDouble(node_.StoredValue(*children[i]));
    return value;
}

DataSlot* ComputeBlock::Slot(const AttributePtr& attribute, bool read) {
    if (!attribute || !node_.HasAttribute(*attribute)) return nullptr;
    auto [it, added] = slots_.try_emplace(attribute.get());
    DataSlot& slot = it->second;
    if (added) {
        slot.block = this;
        slot.attribute = attribute;
        slot.read = read;
        // Inputs come through the graph; an output starts from what the node holds, so that reading
        // it back inside the compute does not compute it again.
        slot.value = read ? scene_.evaluate(node_, *attribute, time_) : Stored(*attribute);
    }
    return &slot;
}

DataSlot* ComputeBlock::Input(const AttributePtr& attribute) {
    return Slot(attribute, true);
}

DataSlot* ComputeBlock::Output(const AttributePtr& attribute) {
    return Slot(attribute, false);
}

DataSlot* ComputeBlock::Find(const AttributeDefinition& attribute) {
    auto it = slots_.find(&attribute);
    return it == slots_.end() ? nullptr : &it->second;
}

void ComputeBlock::Settle() {
    for (auto& [attribute, slot] : slots_) {
        if (slot.floatsOut) slot.value = Double3{slot.floats[0], slot.floats[1], slot.floats[2]};
        if (slot.intsOut)
            slot.value = Double3{double(slot.ints[0]), double(slot.ints[1]), double(slot.ints[2])};
    }
}

} // namespace vex::host
