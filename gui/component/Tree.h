#pragma once

#include "gui/StdComponent.h"
#include "gui/componentinterface/Tree.h"
#include "util/AbstractFactory.h"

#include <string_view>
#include <vector>

namespace vex::gui::component {

/// The `tree` element: a tree view of nodes with optional check-flag columns. Attribute `dragdrop`
/// ("yes") lets the user drag rows under other rows. Each `flag` child adds a flag column after the
/// name column: `label` (its header text, shown as a tooltip), `falseicon`, `trueicon`,
/// `undeterminedicon` (images of its three values; path variables allowed) and `defaultstate`
/// ("true", "false" or "undetermined"; the value new nodes start with). Attribute `editable` ("yes")
/// lets the user rename rows in place (F2, or a click on the selected row).
///
/// Events: kSelectionChanged (value: the selected node's id, -1 when none), kHeaderClicked (value: the
/// section, 0 the name column, 1.. the flag columns), kItemDoubleClicked (value: the node's id),
/// kFlagChanged (value: flag column << 32 | node id, unsigned) when the user toggles a flag,
/// kNodeRenamed (value: the node's id, text: the name typed; the node keeps its name until the window
/// renames it) and kNodeMoved (value: PackPair(node id, new parent's id, -1 for the top level)) after
/// the user dropped a row under another. Rename and move are reported once the view has finished
/// with the edit or drop, so the window may rebuild the nodes in its handler.
class Tree : public StdComponent, public componentinterface::Tree {
public:
    static constexpr int32_t kSelectionChanged = 0x4281;
    static constexpr int32_t kHeaderClicked = 0x4282;
    static constexpr int32_t kItemDoubleClicked = 0x4283;
    /// Sent when the user toggles a flag; not among the layer's fixed codes, chosen next to them.
    static constexpr int32_t kFlagChanged = 0x4284;
    /// Sent when the user renamed a row in place.
    static constexpr int32_t kNodeRenamed = 0x4285;
    /// Sent when the user moved a row under another by drag and drop.
    static constexpr int32_t kNodeMoved = 0x4286;

    /// Makes `tree` components.
    class Factory : public util::AbstractFactory<Component>::Factory {
    public:
        std::string name() const override { return "tree"; }
        Component* create(const util::xml::Element& element) override;
    };

    Node& GetRootNode() override { return root_; }
    const std::vector<FlagColumn>& GetFlagColumns() const override { return flagColumns_; }
    Node* CreateNode(const std::string& name, int32_t id) const override;
    bool IsDragDropEnabled() const override { return dragDrop_; }
    bool IsRenameEnabled() const override { return rename_; }

    /// The flag value a `defaultstate` text names; kFalse for anything else.
    static FlagState ParseFlagState(std::string_view text);
    /// The event value of kFlagChanged for `flag` of the node `nodeId`.
    static int64_t FlagEventValue(std::size_t flag, int32_t nodeId);

protected:
    void LoadOwn(const util::xml::Element& element) override;
    bool LoadChild(const util::xml::Element& child) override;

    Node root_;
    std::vector<FlagColumn> flagColumns_;
    bool dragDrop_ = false;
    bool rename_ = false;
};

} // namespace vex::gui::component
