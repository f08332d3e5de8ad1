#pragma once

#include "core/FlagState.h"
#include "util/DynamicCreator.h"
#include "util/DynamicObject.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace vex::orb::core {

class Instance;

/// One item of the instance tree: an instance (owned; the root holds the "Group" instance named
/// "root"), its ordered child items (owned) and three flags: record, low-poly display and high-poly
/// display. An item with children shows a flag as the common state of itself and its children, or
/// undetermined when they disagree; setting a flag sets it on the whole subtree.
class InstanceReference : public util::DynamicObject, public util::DynamicCreator<InstanceReference> {
public:
    /// An item without an instance.
    InstanceReference() = default;
    /// An item holding `instance`, which learns its item.
    explicit InstanceReference(std::unique_ptr<Instance> instance);
    InstanceReference(const InstanceReference&) = delete;
    InstanceReference& operator=(const InstanceReference&) = delete;
    /// Destroys the child items (last first), then the instance.
    ~InstanceReference() override;

    /// The instance, or null.
    Instance* GetInstance() const { return instance_.get(); }
    /// The parent item; null for the root.
    InstanceReference* GetParent() const { return parent_; }
    /// The position among the parent's children; 0 for the root.
    int GetIndex() const;
    std::size_t GetChildCount() const { return children_.size(); }
    /// The child at `index`, or null when out of range.
    InstanceReference* GetChild(std::size_t index) const {
        return index < children_.size() ? children_[index].get() : nullptr;
    }
    /// Inserts `child` at `index` (appended when past the end); returns it.
    InstanceReference* InsertChild(std::unique_ptr<InstanceReference> child, std::size_t index = SIZE_MAX);
    /// Takes `child` out of the children and hands it over; null when it is not a child.
    std::unique_ptr<InstanceReference> RemoveChild(InstanceReference* child);
    /// This item or the first item below it, depth first, whose instance is named `name`; null if none.
    InstanceReference* Find(const std::string& name);

    /// The shown record flag.
    FlagState GetRecordState() const { return Combine(&InstanceReference::record_); }
    /// The item's own record flag.
    bool GetRecord() const { return record_; }
    /// Sets the record flag of the item and every item below it.
    void SetRecord(bool on) { Set(&InstanceReference::record_, on); }
    FlagState GetLowPolyState() const { return Combine(&InstanceReference::lowPoly_); }
    bool GetLowPoly() const { return lowPoly_; }
    void SetLowPoly(bool on) { Set(&InstanceReference::lowPoly_, on); }
    FlagState GetHighPolyState() const { return Combine(&InstanceReference::highPoly_); }
    bool GetHighPoly() const { return highPoly_; }
    void SetHighPoly(bool on) { Set(&InstanceReference::highPoly_, on); }
    /// Sets only this item's own flags (loading a description).
    void SetOwnFlags(bool record, bool lowPoly, bool highPoly);

private:
    FlagState Combine(bool InstanceReference::*flag) const;
    void Set(bool InstanceReference::*flag, bool on);

    std::unique_ptr<Instance> instance_;
    InstanceReference* parent_ = nullptr;
    std::vector<std::unique_ptr<InstanceReference>> children_;
    bool record_ = true;
    bool lowPoly_ = false;
    bool highPoly_ = true;
};

} // namespace vex::orb::core
