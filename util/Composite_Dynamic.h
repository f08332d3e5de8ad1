#pragma once

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

namespace vex::util {

/// Base of a tree of heap objects of type `T` (which derives from Composite_Dynamic<T>): each node owns
/// an ordered list of children and knows its parent (null for the root). Destroying a node destroys
/// its subtree; destroying a node that still has a parent first takes it out of the parent's list.
/// `T` must have a virtual destructor when its nodes are of classes derived from it.
template <typename T>
class Composite_Dynamic {
public:
    using Children = std::vector<std::unique_ptr<T>>;

    Composite_Dynamic(const Composite_Dynamic&) = delete;
    Composite_Dynamic& operator=(const Composite_Dynamic&) = delete;

    /// Takes ownership of `child` and appends it; a child that has a parent is first removed from it.
    /// Returns false, changing nothing, for null, for this node itself and for its ancestors.
    bool AddChild(T* child) {
        if (child == nullptr) return false;
        for (const T* node = Self(); node != nullptr; node = node->parent_)
            if (node == child) return false;
        if (child->parent_ != nullptr) (void)child->parent_->Take(child).release();
        children_.emplace_back(child);
        child->parent_ = Self();
        return true;
    }
    /// Removes `child` from this node's children and hands it to the caller; null when it is not one.
    std::unique_ptr<T> RemoveChild(T* child) { return Take(child); }

    /// The number of children.
    std::size_t CountChildren() const { return children_.size(); }
    /// The child at `index`, or null when out of range.
    T* getChild(std::size_t index) const {
        return index < children_.size() ? children_[index].get() : nullptr;
    }
    /// The children in order.
    const Children& GetChildren() const { return children_; }
    /// The node this one is a child of, or null for a root.
    T* getParent() const { return parent_; }
    /// The root of the tree this node is in (the node itself when it has no parent).
    const T& GetRoot() const {
        const T* node = Self();
        while (node->parent_ != nullptr) node = node->parent_;
        return *node;
    }
    T& GetRoot() { return const_cast<T&>(static_cast<const Composite_Dynamic*>(this)->GetRoot()); }

protected:
    Composite_Dynamic() = default;
    ~Composite_Dynamic() {
        if (parent_ != nullptr) (void)parent_->Take(this).release();
        for (const std::unique_ptr<T>& child : children_) child->parent_ = nullptr;
        children_.clear();
    }

private:
    T* Self() { return static_cast<T*>(this); }
    const T* Self() const { return static_cast<const T*>(this); }

    // Takes the child whose base is `node` out of the list (compared as bases, which also works while
    // the child is being destroyed) and hands back its ownership.
    std::unique_ptr<T> Take(const Composite_Dynamic* node) {
        for (auto it = children_.begin(); it != children_.end(); ++it) {
            if (static_cast<const Composite_Dynamic*>(it->get()) != node) continue;
            std::unique_ptr<T> owned = std::move(*it);
            children_.erase(it);
            owned->parent_ = nullptr;
            return owned;
        }
        return nullptr;
    }

    Children children_;
    T* parent_ = nullptr;
};

} // namespace vex::util
