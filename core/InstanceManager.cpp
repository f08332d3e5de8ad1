#include "core/InstanceManager.h"

namespace vex::orb::core {

// Every operation below walks the tree; the tree is empty until instances exist, so each one has
// nothing to visit yet.

Instance* InstanceManager::FindInstance(const std::string& name) const {
    (void)name;
    return nullptr;
}

void InstanceManager::WriteInstancesWithoutNodes(util::xml::Element& element) const {
    (void)element;
}

void InstanceManager::DescribeInstances(util::xml::Element& element) const {
    (void)element;
}

void InstanceManager::DeleteAllInstances() {}

void InstanceManager::TimeChanged(double seconds) {
    (void)seconds;
}

void InstanceManager::DestroyTree() {}

} // namespace vex::orb::core
