#include "core/ToolTypePanel.h"

#include "core/DataPaths.h"
#include "core/Tool.h"
#include "gui/Component.h"
#include "gui/StdComponent.h"
#include "gui/componentinterface/Button.h"
#include "gui/componentinterface/ListBox.h"
#include "gui/qt/Realisation.h"
#include "util/Message.h"
#include "util/MessageNode.h"

#include <QBoxLayout>
#include <QWidget>

namespace vex::orb::core {

namespace {

using gui::componentinterface::Button;
using gui::componentinterface::ListBox;

} // namespace

ToolTypePanel::ToolTypePanel(util::MessageNode& listener, std::function<void(Tool&)> create)
    : listener_(listener), create_(std::move(create)) {}

void ToolTypePanel::Bind(gui::Component& root) {
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        Section& section = sections_[i];
        section.box = root.FindById(kSections[i]);
        section.list = section.box != nullptr ? section.box->FindById<ListBox>(kInnerList) : nullptr;
        section.button = root.FindById<Button>(kSectionButtons[i]);
        FillList(section);
    }
    infoContent_ = root.FindById(kInfoContent);
    hint_ = root.FindById(kInfoHint);
    ShowInfo(nullptr);
}

void ToolTypePanel::Unbind() {
    ShowInfo(nullptr);
    for (Section& section : sections_) {
        section.box = nullptr;
        section.list = nullptr;
        section.button = nullptr;
    }
    infoContent_ = nullptr;
    hint_ = nullptr;
}

void ToolTypePanel::SetToolList(int32_t componentId, const std::vector<Tool*>& tools) {
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        if (kSections[i] != componentId) continue;
        sections_[i].tools = tools;
        FillList(sections_[i]);
    }
}

void ToolTypePanel::FillList(Section& section) {
    if (section.list == nullptr) return;
    section.list->Clear();
    const std::string data = GetInstallPath("data");
    for (Tool* tool : section.tools)
        section.list->AddItem(tool->GetDisplayName(), data + tool->GetImageFolder() + "/icon.png");
}

void ToolTypePanel::Open(int32_t componentId) {
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        Section& section = sections_[i];
        const bool open = kSections[i] == componentId;
        if (section.list != nullptr) dynamic_cast<gui::Component*>(section.list)->SetVisible(open);
        if (section.button != nullptr) section.button->SetToggled(open);
    }
}

int32_t ToolTypePanel::GetOpenSection() const {
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        const auto* list = dynamic_cast<const gui::Component*>(sections_[i].list);
        if (list != nullptr && list->GetVisible()) return kSections[i];
    }
    return -1;
}

void ToolTypePanel::ShowInfo(Tool* tool) {
    gui::Component* info = tool != nullptr ? tool->GetInfoComponent() : nullptr;
    QWidget* widget = gui::qt::AsWidget(info);
    if (widget != nullptr && widget == shownWidget_) return;
    // The panel belongs to the tool type: it is only lent to the window, and taken back here.
    if (shownWidget_ != nullptr) {
        if (QWidget* parent = shownWidget_->parentWidget(); parent != nullptr && parent->layout() != nullptr)
            parent->layout()->removeWidget(shownWidget_);
        shownWidget_->hide();
        shownWidget_->setParent(nullptr);
        if (gui::Component* old = shown_ != nullptr ? shown_->GetInfoComponent() : nullptr)
            listener_.disconnect(old);
    }
    shownWidget_ = nullptr;
    shown_ = nullptr;
    QWidget* content = gui::qt::AsWidget(infoContent_);
    auto* layout = content != nullptr ? qobject_cast<QBoxLayout*>(content->layout()) : nullptr;
    const auto* container = dynamic_cast<const gui::StdComponent*>(infoContent_);
    if (widget != nullptr && layout != nullptr && container != nullptr) {
        widget->setParent(content);
        gui::qt::AddToLayout(*layout, *info, *container);
        widget->show();
        listener_.connect(info);
        shownWidget_ = widget;
        shown_ = tool;
    }
    if (hint_ != nullptr) hint_->SetVisible(shown_ == nullptr);
}

ToolTypePanel::Section* ToolTypePanel::SectionOfList(const util::MessageNode* origin) {
    for (Section& section : sections_)
        if (section.list != nullptr && dynamic_cast<const util::MessageNode*>(section.list) == origin)
            return &section;
    return nullptr;
}

bool ToolTypePanel::Handle(const util::Message& message) {
    if (message.code == Button::kClicked) {
        for (std::size_t i = 0; i < sections_.size(); ++i) {
            if (message.parameter != kSectionButtons[i]) continue;
            Open(message.value != 0 ? kSections[i] : -1);
            return true;
        }
        if (message.parameter == Tool::kInfoCreateButton && shown_ != nullptr) {
            create_(*shown_);
            return true;
        }
        return false;
    }
    if (message.parameter != kInnerList) return false;
    Section* section = SectionOfList(message.origin);
    if (section == nullptr) return false;
    const auto index = static_cast<std::size_t>(message.value);
    Tool* tool = message.value >= 0 && index < section->tools.size() ? section->tools[index] : nullptr;
    if (message.code == ListBox::kItemHovered || message.code == ListBox::kIndexChanged) {
        if (tool != nullptr) ShowInfo(tool);
    } else if (message.code == ListBox::kItemDoubleClicked) {
        if (tool != nullptr) create_(*tool);
    }
    return true;
}

} // namespace vex::orb::core
