#pragma once

#include "util/Composite_Dynamic.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vex::gui::componentinterface {

/// A tree view: named nodes in a hierarchy, each with a row of check flags (one per flag column).
/// The view owns its nodes below one invisible root; a window fills the root and calls NodesChanged.
class Tree {
public:
    /// The value of one check flag; a parent whose children disagree shows kUndetermined.
    enum class FlagState : int { kFalse = 0, kTrue = 1, kUndetermined = 2 };

    /// One row of the tree: its text, an id the window chooses, and its flag values.
    class Node : public util::Composite_Dynamic<Node> {
    public:
        explicit Node(std::string nodeName = {}, int32_t nodeId = -1)
            : name(std::move(nodeName)), id(nodeId) {}
        virtual ~Node() = default;

        /// The flag of column `flag` (0: the first flag column); kFalse for a flag never set.
        FlagState GetFlag(std::size_t flag) const {
            return flag < flags_.size() ? flags_[flag] : FlagState::kFalse;
        }
        /// Sets the flag of column `flag`, growing the row as needed.
        void SetFlag(std::size_t flag, FlagState state);
        /// This node's position among its parent's children; -1 for a root.
        int GetRow() const;
        /// Whether this node is `other` or lies below it.
        bool IsWithin(const Node& other) const;
        /// The first node of this subtree (this node included) whose id is `nodeId`; null if none.
        Node* FindById(int32_t nodeId);

        std::string name;
        int32_t id;
        /// The image shown before the name (path variables allowed); none when empty.
        std::string icon;

    private:
        std::vector<FlagState> flags_;
    };

    /// One flag column: its header text and the image files of its three values.
    struct FlagColumn {
        std::string label;
        std::string falseIcon;
        std::string trueIcon;
        std::string undeterminedIcon;
        FlagState defaultState = FlagState::kFalse;
    };

    virtual ~Tree() = default;

    /// The invisible root; its children are the top-level rows.
    virtual Node& GetRootNode() = 0;
    /// The flag columns, in display order after the name column.
    virtual const std::vector<FlagColumn>& GetFlagColumns() const = 0;
    /// Makes a new node with every flag at its column's default state; the caller adds it to the tree.
    virtual Node* CreateNode(const std::string& name, int32_t id) const = 0;
    /// Tells the view that nodes were added, removed or renamed below the root.
    virtual void NodesChanged() = 0;
    /// Destroys every node below the root (the view lets go of them first).
    virtual void ClearNodes() = 0;
    /// The selected node; null when none.
    virtual Node* GetSelectedNode() const = 0;
    /// Selects `node` (null clears the selection).
    virtual void SelectNode(Node* node) = 0;
    /// Sets a flag and shows it.
    virtual void SetFlag(Node& node, std::size_t flag, FlagState state) = 0;
    /// Whether rows can be dragged under other rows.
    virtual bool IsDragDropEnabled() const = 0;
    /// Whether the user may rename rows in place.
    virtual bool IsRenameEnabled() const = 0;
    /// Opens the in-place editor on `node`'s name (the user types the new name); nothing without
    /// renaming or a view.
    virtual void EditNode(Node& node) = 0;
};

} // namespace vex::gui::componentinterface
