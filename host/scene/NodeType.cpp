#include "host/scene/NodeType.h"

#include <algorithm>

namespace vex::host {

NodeType::NodeType(std::string name, std::uint32_t typeId, MFn::Type apiType,
                   std::shared_ptr<const NodeType> parent)
    : m_name(std::move(name)), m_typeId(typeId), m_apiType(apiType), m_parent(std::move(parent)),
      m_nameStem(m_name) {
    if (m_parent) {
        m_attributes = m_parent->m_attributes;
        m_byName = m_parent->m_byName;
        m_owned = m_parent->m_owned;
        m_geometryAttribute = m_parent->m_geometryAttribute;
    }
}

bool NodeType::hasFn(MFn::Type type) const {
    if (type == m_apiType || type == MFn::kBase) return true;
    if (std::find(m_extraFns.begin(), m_extraFns.end(), type) != m_extraFns.end()) return true;
    return m_parent && m_parent->hasFn(type);
}

bool NodeType::nameInUse(const AttributeDefinition& attribute) const {
    if (m_byName.count(attribute.longName()) || m_byName.count(attribute.shortName())) return true;
    return std::any_of(attribute.children().begin(), attribute.children().end(),
                       [this](const AttributePtr& child) { return nameInUse(*child); });
}

void NodeType::index(const AttributePtr& attribute) {
    m_byName[attribute->longName()] = attribute;
    m_byName[attribute->shortName()] = attribute;
    m_owned.insert(attribute.get());
    for (const auto& child : attribute->children()) index(child);
}

bool NodeType::addAttribute(const AttributePtr& attribute) {
    if (!attribute || attribute->parent() || nameInUse(*attribute)) return false;
    m_attributes.push_back(attribute);
    index(attribute);
    return true;
}

AttributePtr NodeType::findAttribute(const std::string& name) const {
    auto it = m_byName.find(name);
    return it == m_byName.end() ? nullptr : it->second;
}

bool NodeType::compute(const Scene& scene, const Node& node, const AttributeDefinition& attribute,
                       double time, Value& out) const {
    for (const NodeType* type = this; type; type = type->m_parent.get())
        if (type->m_compute && type->m_compute(scene, node, attribute, time, out)) return true;
    return false;
}

} // namespace vex::host
