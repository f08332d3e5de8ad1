#pragma once

#include "host/scene/AttributeDefinition.h"
#include "host/scene/Value.h"

#include <maya/MDataBlock.h>

#include <array>
#include <map>

namespace vex::host {

class ComputeBlock;
class Node;
class Scene;

/// One attribute's value in a compute's data block, with what the compute did to it.
struct DataSlot {
    ComputeBlock* block = nullptr;
    AttributePtr attribute;
    Value value;
    /// Copies handed out by asFloat3/asInt3, written back to the value once the compute returns.
    std::array<float, 3> floats{};
    std::array<int, 3> ints{};
    bool floatsOut = false;
    bool intsOut = false;
    bool read = false; // made by inputValue (children asked for through it are read too)
    bool written = false;
    bool clean = false;
};

/// The values one compute of a plug-in node reads and writes: inputs are read from the graph at the
/// compute's time the first time they are asked for, outputs start from the stored value.
class ComputeBlock {
public:
    ComputeBlock(const Scene& scene, const Node& node, double time);
    ComputeBlock(const ComputeBlock&) = delete;
    ComputeBlock& operator=(const ComputeBlock&) = delete;

    /// The slot of an attribute of the node for reading, or null when the node has no such attribute.
    DataSlot* Input(const AttributePtr& attribute);
    /// The slot of an attribute for writing, or null as above.
    DataSlot* Output(const AttributePtr& attribute);
    /// The slot of an attribute already asked for, or null.
    DataSlot* Find(const AttributeDefinition& attribute);
    /// Moves the float and int copies handed out back into the values; called once the compute returns.
    void Settle();

    /// The data block the plug-in's compute receives.
    MDataBlock Block() { return MDataBlock(*this); }
    double time() const { return time_; }

private:
    DataSlot* Slot(const AttributePtr& attribute, bool read);
    /// What the node holds for the attribute (a compound of three: its children's values).
    Value Stored(const AttributeDefinition& attribute) const;

    const Scene& scene_;
    const Node& node_;
    double time_;
    std::map<const AttributeDefinition*, DataSlot> slots_;
};

} // namespace vex::host
