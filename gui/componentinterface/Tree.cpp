#include "gui/componentinterface/Tree.h"

namespace vex::gui::componentinterface {

void Tree::Node::SetFlag(std::size_t flag, FlagState state) {
    if (flag >= flags_.size()) flags_.resize(flag + 1, FlagState::kFalse);
    flags_[flag] = state;
}

int Tree::Node::GetRow() const {
    const Node* parent = getParent();
    if (parent == nullptr) return -1;
    const auto& siblings = parent->GetChildren();
    for (std::size_t i = 0; i < siblings.size(); ++i)
        if (siblings[i].get() == this) return static_cast<int>(i);
    return -1;
}

bool Tree::Node::IsWithin(const Node& other) const {
    for (const Node* node = this; node != nullptr; node = node->getParent())
        if (node == &other) return true;
    return false;
}

Tree::Node* Tree::Node::FindById(int32_t nodeId) {
    if (id == nodeId) return this;
    for (const auto& child : GetChildren())
        if (Node* found = child->FindById(nodeId)) return found;
    return nullptr;
}

} // namespace vex::gui::componentinterface
