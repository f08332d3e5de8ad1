#include "host/scene/NodeTypeRegistry.h"

#include "host/scene/BuiltinNodeTypes.h"

namespace vex::host {

NodeTypeRegistry& NodeTypeRegistry::Instance() {
    static NodeTypeRegistry registry;
    return registry;
}

NodeTypeRegistry::NodeTypeRegistry() {
    RegisterBuiltinNodeTypes(*this);
}

bool NodeTypeRegistry::Add(const NodeTypePtr& type) {
    if (!type || byName_.count(type->name()) || byId_.count(type->TypeId())) return false;
    byName_[type->name()] = type;
    byId_[type->TypeId()] = type;
    return true;
}

bool NodeTypeRegistry::remove(const std::string& name) {
    auto it = byName_.find(name);
    if (it == byName_.end()) return false;
    byId_.erase(it->second->TypeId());
    byName_.erase(it);
    return true;
}

NodeTypePtr NodeTypeRegistry::Find(const std::string& name) const {
    auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

NodeTypePtr NodeTypeRegistry::Find(std::uint32_t typeId) const {
    auto it = byId_.find(typeId);
    return it == byId_.end() ? nullptr : it->second;
}

std::vector<std::string> NodeTypeRegistry::Names() const {
    std::vector<std::string> names;
    for (const auto& [name, type] : byName_) names.push_back(name);
    return names;
}

} // namespace vex::host
