#include "core/InstanceReference.h"

#include "core/Instance.h"

#include <algorithm>

namespace vex::orb::core {

InstanceReference::InstanceReference(std::unique_ptr<Instance> instance) : instance_(std::move(instance)) {
    if (instance_ != nullptr) instance_->SetReference(this);
}

InstanceReference::~InstanceReference() {
    while (!children_.empty()) children_.pop_back();
    instance_.reset();
}

int InstanceReference::GetIndex() const {
    if (parent_ == nullptr) return 0;
    for (std::size_t i = 0; i < parent_->children_.size(); ++i)
        if (parent_->children_[i].get() == this) return static_cast<int>(i);
    return 0;
}

InstanceReference* InstanceReference::InsertChild(std::unique_ptr<InstanceReference> child,
                                                  std::size_t index) {
    child->parent_ = this;
    index = std::min(index, children_.size());
    children_.insert(children_.begin() + static_cast<std::ptrdiff_t>(index), std::move(child));
    return children_[index].get();
}

std::unique_ptr<InstanceReference> InstanceReference::RemoveChild(InstanceReference* child) {
    const auto found = std::find_if(children_.begin(), children_.end(),
                                    [child](const auto& item) { return item.get() == child; });
    if (found == children_.end()) return nullptr;
    std::unique_ptr<InstanceReference> taken = std::move(*found);
    children_.erase(found);
    taken->parent_ = nullptr;
    return taken;
}

InstanceReference* InstanceReference::Find(const std::string& name) {
    if (instance_ != nullptr && instance_->GetName() == name) return this;
    for (const auto& child : children_)
        if (InstanceReference* found = child->Find(name)) return found;
    return nullptr;
}

void InstanceReference::SetOwnFlags(bool record, bool lowPoly, bool highPoly) {
    record_ = record;
    lowPoly_ = lowPoly;
    highPoly_ = highPoly;
}

FlagState InstanceReference::Combine(bool InstanceReference::*flag) const {
    const FlagState own = this->*flag ? FlagState::kTrue : FlagState::kFalse;
    if (children_.empty()) return own;
    // The root (no instance) shows only its children; an instance with children joins them.
    FlagState state = instance_ != nullptr && parent_ != nullptr ? own : children_.front()->Combine(flag);
    for (const auto& child : children_)
        if (child->Combine(flag) != state) return FlagState::kUndetermined;
    return state;
}

void InstanceReference::Set(bool InstanceReference::*flag, bool on) {
    this->*flag = on;
    for (const auto& child : children_) child->Set(flag, on);
}

} // namespace vex::orb::core
