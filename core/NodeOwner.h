#pragma once

#include <string>

namespace vex::util::xml {
class Element;
}

namespace vex::orb::core {

/// The owner of the scene nodes a tool creates: the tool instance. Hosts name the nodes after it.
class NodeOwner {
public:
    /// The name shown to the user; host node names start with it.
    virtual std::string getDisplayName() const = 0;
    /// Appends to `masternodes` what a host stores with the owner's nodes so that opening the scene
    /// makes the owner again: one "masternode" holding its description and its place in the tree.
    /// Appends nothing by default (an owner that cannot be made again).
    virtual void WriteMasterNodes(util::xml::Element& masternodes) { (void)masternodes; }
    /// The user deleted one of the owner's host nodes: the owner deletes itself, as one undo step.
    /// False when the owner does not go that way.
    virtual bool DeleteByUser() { return false; }

protected:
    ~NodeOwner() = default;
};

} // namespace vex::orb::core
