#include "core/configadaptor/Node.h"

#include "util/xml/Tag.h"
#include "util/xml/Text.h"

#include <optional>
#include <utility>

namespace vex::orb::core::configadaptor {

namespace {

using util::xml::Element;

// Counts, in document order below `owner`, the elements of kind `kind` before `target`, looking
// through transparent elements. Answers the count once `target` is reached.
std::optional<std::size_t> CountBefore(const Node& owner, const Node* target, Node::ProfileKind kind,
                                       std::size_t& count) {
    for (const auto& child : owner.GetChildren()) {
        if (child.get() == target) return count;
        const Node::ProfileKind childKind = child->GetProfileKind();
        if (childKind == kind) ++count;
        if (childKind == Node::ProfileKind::kTransparent) {
            if (auto found = CountBefore(*child, target, kind, count)) return found;
        }
    }
    return std::nullopt;
}

const Element* FindByAttribute(const Element& container, std::string_view tag, std::string_view name,
                               const std::string& value) {
    for (const Element& child : container.GetChildren())
        if (child.IsTag() && child.GetName() == tag && child.HasAttribute(name) &&
            child.GetAttribute(name) == value)
            return &child;
    return nullptr;
}

bool LabelFits(const Element& element, const std::string& label) {
    return !element.HasAttribute("label") || element.GetAttribute("label") == label;
}

} // namespace

Node::Node(int32_t id, std::string label, std::string tooltip, CInterface::Callback* callback)
    : util::MessageNode(label), id_(id), label_(std::move(label)), tooltip_(std::move(tooltip)),
      callback_(callback) {}

Node::~Node() = default;

void Node::valueChanged() {
    util::Message message(kValueRefreshed, id_);
    broadcast(message);
}

void Node::saveProfile(Element& parent) const {
    (void)parent;
}

void Node::loadProfile(const Element& container) {
    (void)container;
}

Node* Node::FindById(int32_t id) {
    if (id_ == id && id != kNoId) return this;
    for (const auto& child : GetChildren())
        if (Node* found = child->FindById(id)) return found;
    return nullptr;
}

void Node::RefreshTree() {
    valueChanged();
    for (const auto& child : GetChildren()) child->RefreshTree();
}

void Node::receive(util::Message& message, bool broadcast) {
    if (broadcast || message.code != kValueEdited) return;
    if (getParent() != nullptr) {
        forward(getParent(), message);
    } else {
        forwardToSubscribers(message);
    }
}

void Node::FinishEdit() {
    valueChanged();
    util::Message message(kValueEdited, id_);
    if (getParent() != nullptr) {
        send(getParent(), message);
    } else {
        broadcast(message);
    }
    if (callback_ != nullptr) callback_->onEvent(label_);
}

std::size_t Node::GetProfilePosition() const {
    const Node* owner = getParent();
    if (owner == nullptr) return 0;
    while (owner->getParent() != nullptr && owner->GetProfileKind() == ProfileKind::kTransparent)
        owner = owner->getParent();
    std::size_t count = 0;
    return CountBefore(*owner, this, GetProfileKind(), count).value_or(0);
}

const Element* Node::FindItem(const Element& container) const {
    const Element* positional = container.GetChild("item", GetProfilePosition());
    if (positional != nullptr && LabelFits(*positional, label_)) return positional;
    if (id_ != kNoId) {
        if (const Element* byId = FindByAttribute(container, "item", "id", std::to_string(id_))) return byId;
    }
    return FindByAttribute(container, "item", "label", label_);
}

const Element* Node::FindGroup(const Element& container) const {
    const Element* positional = container.GetChild("group", GetProfilePosition());
    if (positional != nullptr && LabelFits(*positional, label_)) return positional;
    if (const Element* byLabel = FindByAttribute(container, "group", "label", label_)) return byLabel;
    return positional;
}

Element Node::MakeItem(const char* type, const std::string& text) const {
    util::xml::Tag item("item");
    item.SetAttributeInt("id", id_);
    if (type != nullptr) item.SetAttribute("type", type);
    item.SetAttribute("label", label_);
    if (!text.empty()) item.AddChild(util::xml::Text(text));
    return item;
}

Element Node::MakeRow(Element control) const {
    util::xml::Tag row("list");
    row.SetAttribute("type", "horizontal");
    util::xml::Tag label("label");
    label.AddChild(util::xml::Text(label_));
    row.AddChild(std::move(label));
    row.AddChild(std::move(control));
    return row;
}

void Node::SetControlAttributes(Element& control, int minWidth) const {
    control.SetAttributeInt("id", id_);
    control.SetAttribute("fixed", "no");
    control.SetAttribute("minheight", "20");
    control.SetAttributeInt("minwidth", minWidth);
    if (!tooltip_.empty()) control.SetAttribute("tooltip", tooltip_);
    if (!enabled_) control.SetAttribute("enabled", "no");
}

} // namespace vex::orb::core::configadaptor
