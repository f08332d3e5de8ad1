#pragma once

#include "core/CoreSubSystem.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vex::util::xml {
class Element;
}

namespace vex::orb::core {

class Instance;
class InstanceReference;
class Tool;

/// The tree of tool instances. Its root item holds the "Group" instance named "root"; every other
/// item holds an instance (or nothing, for a plain grouping item). The tree is saved as
/// descriptions: "VXB" for the root, "VXB_Plugin" for each item, nested like the tree.
///
/// The tree operations of the main window and the host commands (create, clone, rename, delete)
/// are undoable: each hands the host an undo record that redoes the opposite operation, finding
/// the items again by instance name.
class InstanceManager : public CoreSubSystem {
public:
    /// What CollectInstances gathers.
    enum CollectMode : int { kAllInstances = 0, kRecordedInstances = 1 };
    /// Option bits of WriteDescription: recorded values, no child items, packed items.
    static constexpr int kWithRecordedValues = 1 << 0;
    static constexpr int kPacked = 1 << 1;
    static constexpr int kWithoutChildren = 1 << 16;
    /// Where CreateInstances puts new items by default: after the parent's last child.
    static constexpr std::size_t kAppend = SIZE_MAX;

    explicit InstanceManager(CoreImplementation* core);
    ~InstanceManager() override;

    /// Creates the root item with the "Group" instance "root" (no instance without that type).
    void Initialize() override;
    /// The root item; null before Initialize and after DestroyTree.
    InstanceReference* GetRoot() const { return root_.get(); }

    /// Creates the instances `element` describes under `parent` (the root when null) at `index`,
    /// as one undo group "Creating instance". An element not named "VXB..." or "orb...", or named
    /// "VXB_Plugin", is wrapped into "orb" first. Each "VXB_Plugin" child becomes an item with its
    /// nested items (one without "type" is a plain grouping item without an instance); one naming an
    /// unknown tool type, or packed in a way that cannot be read, is skipped (the latter with a
    /// message). Returns the first created item, or null.
    InstanceReference* CreateInstances(const util::xml::Element& element, InstanceReference* parent = nullptr,
                                       std::size_t index = kAppend);
    /// The instance named `name`, searched depth first; null when absent.
    Instance* FindInstance(const std::string& name) const;
    /// The item of the instance named `name`; null when absent.
    InstanceReference* FindItem(const std::string& name) const;
    /// The instances in tree order, the root's excluded; with kRecordedInstances, items whose record
    /// flag is off are left out with everything below them.
    std::vector<Instance*> CollectInstances(int mode) const;
    /// Writes the description of `item`: "VXB" with its children for the root, else "VXB_Plugin"
    /// (empty for an item without an instance) with its nested items. `options` is a mix of the
    /// option bits above.
    void WriteDescription(const InstanceReference* item, util::xml::Element& element, int options) const;
    /// `wanted` when no instance carries it; otherwise, and for an empty name, the first free name
    /// of the form base + "_NN" from "_01" on, where base is `wanted` without a "_NN" ending (or
    /// `identifier` when `wanted` is empty).
    std::string MakeUniqueName(const std::string& wanted, const std::string& identifier) const;

    /// Creates a fresh instance of `tool` at the end of the tree as the undo group "Create Tool".
    InstanceReference* CreateTool(Tool& tool);
    /// Appends a copy of `item` (with its children) after it, as the undo group "Clone tool".
    InstanceReference* CloneItem(InstanceReference* item);
    /// Renames the instance of `item` as the undo group "Rename"; false when the name is empty or
    /// taken by another instance.
    bool RenameItem(InstanceReference* item, const std::string& name);
    /// Moves `item` (with everything below it) to the end of `parent`'s children as the undo group
    /// "Move tool"; false, changing nothing, for the root, a move into the item's own subtree or a
    /// move that leaves the item where it is.
    bool MoveItem(InstanceReference* item, InstanceReference* parent);
    /// Deletes `item` with everything below it as the undo group `label` ("Delete tool" from the
    /// tree menu, "Delete Torva Tool" from the command).
    void DeleteItem(InstanceReference* item, const std::string& label);

    /// Appends to `element` the description of every top-level instance that owns no scene node.
    void WriteInstancesWithoutNodes(util::xml::Element& element) const;
    /// Makes `element` the description of the whole tree, recorded values included.
    void DescribeInstances(util::xml::Element& element) const;
    /// Deletes the top-level items from the last to the first until the tree is empty.
    void DeleteAllInstances();
    /// Shows every instance's recorded state at `seconds`.
    void TimeChanged(double seconds);
    /// Destroys the root of the tree with every instance in it (shutdown).
    void DestroyTree();
    /// Whether the tree holds no instance besides the root's.
    bool IsEmpty() const;

    /// For the undo records: removes the item of instance `name` without recording undo.
    void RemoveQuietly(const std::string& name);
    /// For the undo records: moves the item of instance `name` under the item of `parentName`
    /// (empty: the root) at `index`, without recording undo; false when either is missing.
    bool MoveQuietly(const std::string& name, const std::string& parentName, std::size_t index);
    /// For the undo records: the item of instance `parentName` (empty: the root).
    InstanceReference* FindParent(const std::string& parentName) const;

private:
    // Creates one item (and its nested items) from a "VXB_Plugin" element.
    InstanceReference* CreateItem(const util::xml::Element& element, InstanceReference* parent,
                                  std::size_t index);
    // Creates the nested "VXB_Plugin" items of `description` below `item`.
    void CreateNested(const util::xml::Element& description, InstanceReference* item);
    // Deletes the host nodes tagged for the instance `description` names and for its nested ones.
    void DeleteTaggedNodes(const util::xml::Element& description);

    std::unique_ptr<InstanceReference> root_;
    // While a clone is made: the instances being copied, by name, whose host nodes the copies copy.
    std::map<std::string, Instance*> cloneSources_;
};

} // namespace vex::orb::core
