#include "host/scene/NodeTypeRegistry.h"

#include "host/scene/BuiltinNodeTypes.h"

namespace vex::host {

NodeTypeRegistry& NodeTypeRegistry::instance() {
    static NodeTypeRegistry registry;
    return registry;
}

NodeTypeRegistry::NodeTypeRegistry() {
    registerBuiltinNodeTypes(*this);
}

bool NodeTypeRegistry::add(const NodeTypePtr& type) {
    if (!type || m_byName.count(type->name()) || m_byId.count(type->typeId())) return false;
    m_byName[type->name()] = type;
    m_byId[type->typeId()] = type;
    return true;
}

bool NodeTypeRegistry::remove(const std::string& name) {
    auto it = m_byName.find(name);
    if (it == m_byName.end()) return false;
    m_byId.erase(it->second->typeId());
    m_byName.erase(it);
    return true;
}

NodeTypePtr NodeTypeRegistry::find(const std::string& name) const {
    auto it = m_byName.find(name);
    return it == m_byName.end() ? nullptr : it->second;
}

NodeTypePtr NodeTypeRegistry::find(std::uint32_t typeId) const {
    auto it = m_byId.find(typeId);
    return it == m_byId.end() ? nullptr : it->second;
}

std::vector<std::string> NodeTypeRegistry::names() const {
    std::vector<std::string> names;
    for (const auto& [name, type] : m_byName) names.push_back(name);
    return names;
}

} // namespace vex::host
