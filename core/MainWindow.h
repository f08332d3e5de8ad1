#pragma once

#include "core/LayoutWindow.h"
#include "core/RecordPanel.h"
#include "core/ToolTreePanel.h"
#include "core/ToolTypePanel.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace vex::orb::core {

class CoreImplementation;
class Tool;

/// The main window (layout "orb_main.xml"): the menus, the tool types to create from, the tool
/// tree, the record options and the "Record" and "Resimulate" buttons. Its parts each look after
/// their components; the window dispatches the events and carries out the menu commands, which the
/// tree's context menu shares.
class MainWindow : public LayoutWindow {
public:
    static constexpr const char* kLayout = "orb_main.xml";
    /// The menu bar and the commands of its items (the tree's context menu uses the same ids).
    static constexpr int32_t kMenubar = 90;
    enum Command : int32_t {
        kConfiguration = 201,
        kInputConfiguration = 202,
        kRename = 203,
        kClone = 204,
        kDelete = 205,
        kNewGroup = 206,
        kSelectInScene = 207,
        kLoadConfigProfile = 211,
        kSaveConfigProfile = 212,
        kDeleteConfigProfile = 213,
        kLoadInputProfile = 214,
        kSaveInputProfile = 215,
        kDeleteInputProfile = 216,
        kMainSettings = 221,
        kHelp = 231,
        kAbout = 232,
    };
    /// The context-menu items that create a tool type: this id plus the type's place in the menus.
    static constexpr int32_t kCreateToolBase = 10000;
    /// The title of the submenus of the tree's context menu that list the tool types, in the order
    /// of ToolTypePanel::kSections.
    static constexpr const char* kCreateMenus[4] = {"Create Vehicle Tool", "Create Camera Tool",
                                                    "Create Accessory Tool", "Create from Template"};

    explicit MainWindow(CoreImplementation& core);
    ~MainWindow() override;

    /// Builds the window if need be and shows it, docked in the host's main window behind the native
    /// handle `hostWindow` when that is a main window of this process; false when no widgets can be made.
    bool Open(void* hostWindow);
    /// Hides the window; it keeps its components for the next Open.
    void Close();
    /// Whether the window is shown.
    bool IsOpen() const { return open_; }
    /// Brings a shown window to the front.
    void Raise();
    /// Shows the core's state again: the tree, the record controls.
    void Refresh();
    /// Shows the real-time loop's state again (a take started or stopped, the slow-motion level).
    void RefreshRecordControls() { record_.Refresh(); }
    /// Puts a tool list into the section `componentId` and the matching context submenu.
    void SetToolList(int32_t componentId, const std::vector<Tool*>& tools);
    /// Whether the record option box `id` is checked; nullopt while the window is not built.
    std::optional<bool> IsBoxChecked(int32_t id) const;
    /// Carries out a menu command on the selected instance.
    void RunCommand(int32_t id);

    ToolTreePanel& GetTreePanel() { return tree_; }
    ToolTypePanel& GetTypePanel() { return types_; }

    void receive(util::Message& message, bool broadcast) override;

protected:
    void Built() override;
    /// A closed dock closes the window, as its own close button does.
    void DockClosed() override { Close(); }

private:
    // Creates an instance of `tool` and selects it in the tree.
    void CreateTool(Tool& tool);
    // Puts the tool lists into the tree's context menu.
    void FillCreateMenus();

    CoreImplementation& core_;
    ToolTreePanel tree_;
    ToolTypePanel types_;
    RecordPanel record_;
    std::vector<std::vector<Tool*>> lists_;
    bool open_ = false;
};

} // namespace vex::orb::core
