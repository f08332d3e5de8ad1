#include "host/scene/Node.h"

#include <algorithm>
#include <atomic>

namespace vex::host {

namespace {
std::atomic<std::uint64_t> nextSerial{1};
} // namespace

Node::Node(NodeTypePtr type) : type_(std::move(type)), name_(type_->NameStem()), serial_(nextSerial++) {}

int Node::ChildIndex(const Node& child) const {
    for (std::size_t i = 0; i < children_.size(); ++i)
        if (children_[i].get() == &child) return static_cast<int>(i);
    return -1;
}

bool Node::IsDescendantOf(const Node& ancestor) const {
    for (auto node = shared_from_this(); node; node = node->parent())
        if (node.get() == &ancestor) return true;
    return false;
}

std::string Node::FullPathName() const {
    if (!IsDag()) return name_;
    auto up = parent();
    if (!up) return type_->HasFn(MFn::kWorld) ? "" : "|" + name_;
    return up->FullPathName() + "|" + name_;
}

AttributePtr Node::FindAttribute(const std::string& name) const {
    if (auto found = type_->FindAttribute(name)) return found;
    for (const auto& attribute : dynamic_) {
        if (attribute->matches(name)) return attribute;
        for (const auto& child : attribute->Children())
            if (child->matches(name)) return child;
    }
    return nullptr;
}

bool Node::HasAttribute(const AttributeDefinition& attribute) const {
    const AttributeDefinition* top = &attribute;
    while (top->parent()) top = top->parent();
    return type_->OwnsAttribute(*top) || IsDynamic(*top);
}

std::vector<AttributePtr> Node::Attributes() const {
    auto all = type_->Attributes();
    all.insert(all.end(), dynamic_.begin(), dynamic_.end());
    return all;
}

bool Node::IsDynamic(const AttributeDefinition& attribute) const {
    const AttributeDefinition* top = &attribute;
    while (top->parent()) top = top->parent();
    return std::any_of(dynamic_.begin(), dynamic_.end(),
                       [top](const AttributePtr& a) { return a.get() == top; });
}

Value Node::StoredValue(const AttributeDefinition& attribute) const {
    auto it = values_.find(&attribute);
    return it == values_.end() ? attribute.DefaultValue() : it->second;
}

const Link* Node::Input(const AttributeDefinition& attribute) const {
    for (const auto& link : inputs_)
        if (link.attribute.get() == &attribute) return &link;
    return nullptr;
}

std::vector<std::shared_ptr<Node>> Node::Members() const {
    std::vector<std::shared_ptr<Node>> live;
    for (const auto& weak : members_)
        if (auto member = weak.lock(); member && member->IsAlive()) live.push_back(member);
    return live;
}

bool Node::IsMember(const Node& node) const {
    return std::any_of(members_.begin(), members_.end(),
                       [&node](const std::weak_ptr<Node>& weak) { return weak.lock().get() == &node; });
}

} // namespace vex::host
