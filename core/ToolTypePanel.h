#pragma once

#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace vex::gui {
class Component;
}
namespace vex::gui::componentinterface {
class Button;
class Label;
class ListBox;
} // namespace vex::gui::componentinterface
namespace vex::util {
class Message;
class MessageNode;
} // namespace vex::util

namespace vex::orb::core {

class Tool;

/// The tool types of the main window: the sections "Vehicles" (101), "Cameras" (102), "Accessories"
/// (103) and "Templates" (110), each a button that opens its list (inner component 510) of tool types
/// with their icons, one list open at a time. Pointing at a type shows its information panel
/// (Tool::GetInfoComponent) in the panel 130; a double click on a type, or a click on the panel's
/// product button, creates an instance of it.
class ToolTypePanel {
public:
    /// The sections' components, their buttons and the list inside each.
    static constexpr std::array<int32_t, 4> kSections{101, 102, 103, 110};
    static constexpr std::array<int32_t, 4> kSectionButtons{1101, 1102, 1103, 1110};
    static constexpr int32_t kInnerList = 510;
    /// The information panel, its content list and the hint it shows while no type is pointed at.
    static constexpr int32_t kInfoPanel = 130;
    static constexpr int32_t kInfoContent = 131;
    static constexpr int32_t kInfoHint = 132;

    /// `listener` receives the events of the information panels shown (the product button);
    /// `create` makes an instance of a tool type.
    ToolTypePanel(util::MessageNode& listener, std::function<void(Tool&)> create);

    /// Finds the sections in the window's component tree and fills their lists.
    void Bind(gui::Component& root);
    /// Takes the shown information panel out of the window and forgets the sections.
    void Unbind();
    /// Puts `tools` into the list of section `componentId`, in this order.
    void SetToolList(int32_t componentId, const std::vector<Tool*>& tools);
    /// Opens the list of section `componentId` and closes the others (an unknown id closes all).
    void Open(int32_t componentId);
    /// The section whose list is open; -1 when none.
    int32_t GetOpenSection() const;
    /// Shows the information panel of `tool` (null: the hint).
    void ShowInfo(Tool* tool);
    /// The type whose information panel is shown; null when none.
    Tool* GetShownTool() const { return shown_; }
    /// Handles the sections' and the information panel's events; false for other messages.
    bool Handle(const util::Message& message);

private:
    struct Section {
        std::vector<Tool*> tools;
        gui::Component* box = nullptr;
        gui::componentinterface::ListBox* list = nullptr;
        gui::componentinterface::Button* button = nullptr;
    };
    // The section whose list is `origin`; null for another component.
    Section* SectionOfList(const util::MessageNode* origin);
    void FillList(Section& section);

    util::MessageNode& listener_;
    std::function<void(Tool&)> create_;
    std::array<Section, 4> sections_;
    gui::Component* infoContent_ = nullptr;
    gui::Component* hint_ = nullptr;
    Tool* shown_ = nullptr;
    // Guarded: the panel's widget goes with its tool type, which may go first at shutdown.
    QPointer<QWidget> shownWidget_;
};

} // namespace vex::orb::core
