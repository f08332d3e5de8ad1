#include "host/scene/Node.h"

#include <algorithm>
#include <atomic>

namespace vex::host {

namespace {
std::atomic<std::uint64_t> nextSerial{1};
} // namespace

Node::Node(NodeTypePtr type) : m_type(std::move(type)), m_name(m_type->nameStem()), m_serial(nextSerial++) {}

int Node::childIndex(const Node& child) const {
    for (std::size_t i = 0; i < m_children.size(); ++i)
        if (m_children[i].get() == &child) return static_cast<int>(i);
    return -1;
}

bool Node::isDescendantOf(const Node& ancestor) const {
    for (auto node = shared_from_this(); node; node = node->parent())
        if (node.get() == &ancestor) return true;
    return false;
}

std::string Node::fullPathName() const {
    if (!isDag()) return m_name;
    auto up = parent();
    if (!up) return m_type->hasFn(MFn::kWorld) ? "" : "|" + m_name;
    return up->fullPathName() + "|" + m_name;
}

AttributePtr Node::findAttribute(const std::string& name) const {
    if (auto found = m_type->findAttribute(name)) return found;
    for (const auto& attribute : m_dynamic) {
        if (attribute->matches(name)) return attribute;
        for (const auto& child : attribute->children())
            if (child->matches(name)) return child;
    }
    return nullptr;
}

bool Node::hasAttribute(const AttributeDefinition& attribute) const {
    const AttributeDefinition* top = &attribute;
    while (top->parent()) top = top->parent();
    return m_type->ownsAttribute(*top) || isDynamic(*top);
}

std::vector<AttributePtr> Node::attributes() const {
    auto all = m_type->attributes();
    all.insert(all.end(), m_dynamic.begin(), m_dynamic.end());
    return all;
}

bool Node::isDynamic(const AttributeDefinition& attribute) const {
    const AttributeDefinition* top = &attribute;
    while (top->parent()) top = top->parent();
    return std::any_of(m_dynamic.begin(), m_dynamic.end(),
                       [top](const AttributePtr& a) { return a.get() == top; });
}

Value Node::storedValue(const AttributeDefinition& attribute) const {
    auto it = m_values.find(&attribute);
    return it == m_values.end() ? attribute.defaultValue() : it->second;
}

const Link* Node::input(const AttributeDefinition& attribute) const {
    for (const auto& link : m_inputs)
        if (link.attribute.get() == &attribute) return &link;
    return nullptr;
}

std::vector<std::shared_ptr<Node>> Node::members() const {
    std::vector<std::shared_ptr<Node>> live;
    for (const auto& weak : m_members)
        if (auto member = weak.lock(); member && member->isAlive()) live.push_back(member);
    return live;
}

bool Node::isMember(const Node& node) const {
    return std::any_of(m_members.begin(), m_members.end(),
                       [&node](const std::weak_ptr<Node>& weak) { return weak.lock().get() == &node; });
}

} // namespace vex::host
