#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace vex::gui {
class Component;
}
namespace vex::gui::componentinterface {
class Tree;
}
namespace vex::util {
class Message;
}

namespace vex::orb::core {

class InstanceManager;
class InstanceReference;

/// The main window's tool tree (component 119): one row per item of the instance tree below its
/// root, named after the instance, with the tool's tree icon and the record, low-poly and high-poly
/// flags. The user selects a row, renames it in place, drags it under another and toggles its
/// flags; renames and moves go through the instance manager as undo steps, and a refused rename
/// (an empty or taken name) tells the user and keeps the old name.
class ToolTreePanel {
public:
    /// The tree and its flag columns.
    static constexpr int32_t kTree = 119;
    static constexpr int kRecordFlag = 0;
    static constexpr int kLowPolyFlag = 1;
    static constexpr int kHighPolyFlag = 2;

    explicit ToolTreePanel(InstanceManager& instances) : instances_(instances) {}

    /// Finds the tree in the window's component tree and shows the instances.
    void Bind(gui::Component& root);
    /// Rebuilds the rows from the instance tree, keeping the selected instance selected.
    void Refresh();
    /// The item of the selected row; null when none is selected.
    InstanceReference* GetSelected() const;
    /// Selects the row of `item` (null: none).
    void Select(InstanceReference* item);
    /// Opens the in-place editor on the selected row.
    void RenameSelected();
    /// Handles the tree's events; false for a message that is not the tree's.
    bool Handle(const util::Message& message);

private:
    // The item of the row with `nodeId`; null when the row is gone.
    InstanceReference* ItemOf(int32_t nodeId) const;
    // Sets the flag of column `flag` of `item` (and its subtree) from the row.
    void FlagEdited(InstanceReference& item, int flag, bool on);
    void Renamed(int32_t nodeId, const std::string& name);
    void Moved(int32_t nodeId, int32_t parentId);

    InstanceManager& instances_;
    gui::componentinterface::Tree* tree_ = nullptr;
    std::map<int32_t, InstanceReference*> items_;
    // The selected instance by name, so that a rebuild or an undo never leaves a dangling item.
    std::string selected_;
};

} // namespace vex::orb::core
