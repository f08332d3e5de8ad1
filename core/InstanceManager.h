#pragma once

#include "core/CoreSubSystem.h"

#include <string>

namespace vex::util::xml {
class Element;
}

namespace vex::orb::core {

class Instance;

/// The tree of tool instances.
///
/// This build has no tool instances yet (they arrive with the tool libraries and the instance type),
/// so the tree is always empty: look-ups find nothing, and the writers produce elements without
/// instances.
class InstanceManager : public CoreSubSystem {
public:
    explicit InstanceManager(CoreImplementation* core) : CoreSubSystem(core) {}

    /// Creates the tree's root item once the "Group" tool type exists; nothing yet.
    void Initialize() override {}
    /// The instance named `name`, searched depth first; null when absent (always, for now).
    Instance* FindInstance(const std::string& name) const;
    /// Appends to `element` the description of every top-level instance that owns no scene node.
    void WriteInstancesWithoutNodes(util::xml::Element& element) const;
    /// Appends to `element` the description of every instance of the tree.
    void DescribeInstances(util::xml::Element& element) const;
    /// Deletes the instances from the last to the first until the tree is empty.
    void DeleteAllInstances();
    /// Shows every instance's recorded state at `seconds`.
    void TimeChanged(double seconds);
    /// Destroys the root of the tree with every instance in it (shutdown).
    void DestroyTree();
    /// Whether the tree holds any instance.
    bool IsEmpty() const { return true; }
};

} // namespace vex::orb::core
