#include "core/ConfigurationWindow.h"

#include "core/AdaptorInterface.h"
#include "core/ConfigProfileManager.h"
#include "core/CurrentAdaptor.h"
#include "core/Instance.h"
#include "core/LayoutSlot.h"
#include "core/Tool.h"
#include "core/configadaptor/Button.h"
#include "core/configadaptor/Root.h"
#include "gui/componentinterface/Button.h"
#include "gui/componentinterface/ComboBox.h"
#include "gui/componentinterface/Dialog.h"
#include "gui/componentinterface/TextBox.h"
#include "interface/CUndo.h"
#include "platform/win32/MessageBox.h"
#include "util/AtomicFile.h"
#include "util/xml/Tag.h"
#include "util/xml/Text.h"

#include <utility>
#include <vector>

namespace vex::orb::core {

namespace {

namespace ui = gui::componentinterface;

// An undo record that puts the window's values back on its widgets once the host has undone (or
// redone) the edit. The edit's group holds one made before the edit's own records, which the host
// undoes last, and one made after them, which it redoes last.
class ShowValuesAfter final : public CUndo {
public:
    enum class Replay { kUndo, kRedo };

    ShowValuesAfter(std::weak_ptr<std::function<void()>> show, Replay replay)
        : show_(std::move(show)), replay_(replay) {}
    void undo() override {
        if (replay_ == Replay::kUndo) Show();
    }
    void redo() override {
        if (replay_ == Replay::kRedo) Show();
    }

private:
    void Show() const {
        if (const auto show = show_.lock()) (*show)();
    }

    std::weak_ptr<std::function<void()>> show_;
    Replay replay_;
};

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

} // namespace

ConfigurationWindow::ConfigurationWindow()
    : LayoutWindow(kLayout),
      refresher_(std::make_shared<std::function<void()>>([this] { RefreshValues(); })) {
    widgets_.SetEditor([this](configadaptor::Node& element, const ElementWidgets::UserValue& value) {
        EditAsOneStep(element, value);
    });
}

ConfigurationWindow::~ConfigurationWindow() {
    widgets_.Clear();
}

void ConfigurationWindow::Open(Instance& instance) {
    if (open_ && instance_ == &instance) {
        ShowWindow();
        return;
    }
    Close();
    instance_ = &instance;
    connect(&instance);
    open_ = true;
    // The tree shows the page it was built for: a page is built afresh each time the window opens.
    DiscardTree();
    ShowWindow();
}

void ConfigurationWindow::Close() {
    if (!open_) return;
    open_ = false;
    HideWindow();
    widgets_.Clear();
    if (instance_ != nullptr) disconnect(instance_);
    instance_ = nullptr;
}

bool ConfigurationWindow::LoadProfile(const std::string& name) {
    if (instance_ == nullptr) return false;
    if (!instance_->LoadConfigProfileNamed(name)) {
        Tell("The profile \"" + name + "\" could not be loaded.");
        return false;
    }
    FillProfileList(instance_->GetConfigProfileName());
    return true;
}

bool ConfigurationWindow::SaveProfileAs(const std::string& name) {
    if (instance_ == nullptr) return false;
    if (IsBlank(name)) {
        Tell(kNoNameText);
        return false;
    }
    util::ClearLastWriteError();
    if (!instance_->SaveConfigProfileAs(name)) {
        Tell(util::WithWriteError("The profile \"" + name + "\" could not be saved."));
        return false;
    }
    FillProfileList(name);
    return true;
}

void ConfigurationWindow::RefreshValues() {
    widgets_.ShowAll();
}

void ConfigurationWindow::receive(util::Message& message, bool broadcast) {
    LayoutWindow::receive(message, broadcast);
    if (message.code == util::Message::kDestroyed) {
        if (instance_ != nullptr && message.origin == static_cast<util::MessageNode*>(instance_)) Close();
        return;
    }
    if (widgets_.HandleEvent(message)) return;
    if (message.code == ui::Button::kClicked) {
        if (message.parameter == kLoadButton && profileBox_ != nullptr) LoadProfile(profileBox_->GetText());
        if (message.parameter == kSaveButton && nameBox_ != nullptr) SaveProfileAs(nameBox_->GetText());
        if (message.parameter == kCloseButton) Close();
    } else if (message.code == ui::Dialog::kClosed && message.parameter == kDialog) {
        Close();
    }
}

void ConfigurationWindow::DropRepeatedCheckBoxLabels(util::xml::Element& element) {
    // A parameter row already shows the element's label beside its control; a check box saying the
    // same again beside its tick would read twice.
    util::xml::Element* label = nullptr;
    for (util::xml::Element& child : element.GetChildren()) {
        if (!child.IsTag()) continue;
        if (child.GetName() == "label") label = &child;
        if (child.GetName() == "checkbox" && label != nullptr &&
            child.GetAttribute("label") == label->GetText())
            child.RemoveAttribute("label");
        DropRepeatedCheckBoxLabels(child);
    }
}

void ConfigurationWindow::PrepareLayout(util::xml::Element& layout) {
    if (instance_ == nullptr) return;
    layout.SetAttribute("label", instance_->GetName());
    util::xml::Element* slot = FindLayoutElement(layout, kPageSlot);
    if (slot == nullptr) return;
    if (const configadaptor::element::Root* page = instance_->GetPage()) {
        util::xml::Element content = page->buildLayout();
        DropRepeatedCheckBoxLabels(content);
        slot->AddChild(std::move(content));
    } else {
        util::xml::Tag label("label");
        label.SetAttribute("halign", "center");
        label.AddChild(util::xml::Text(kNoSettingsText));
        slot->AddChild(std::move(label));
    }
}

void ConfigurationWindow::Built() {
    profileBox_ = Find<ui::ComboBox>(kProfileBox);
    nameBox_ = Find<ui::TextBox>(kNameBox);
    ClearDefaultButtons();
    if (instance_ == nullptr) return;
    gui::Component* slot = GetRoot()->FindById(kPageSlot);
    if (configadaptor::element::Root* page = instance_->GetPage(); page != nullptr && slot != nullptr)
        widgets_.Bind(*page, *slot);
    FillProfileList(instance_->GetConfigProfileName());
}

void ConfigurationWindow::EditAsOneStep(configadaptor::Node& element,
                                        const ElementWidgets::UserValue& value) {
    // A button without a callback does nothing, and must not leave an empty step behind.
    const auto* button = dynamic_cast<configadaptor::element::Button*>(&element);
    if (button != nullptr && button->GetCallback() == nullptr) return;
    AdaptorInterface* adaptor = GetCurrentAdaptor();
    if (adaptor == nullptr) {
        ElementWidgets::UserEdit(element, value);
        return;
    }
    // The element opens a group of its own under its label; this one encloses it, under the same
    // label, so the host still records a single step.
    adaptor->beginUndoGroup(element.getLabel());
    adaptor->addUndoUnit(new ShowValuesAfter(refresher_, ShowValuesAfter::Replay::kUndo));
    ElementWidgets::UserEdit(element, value);
    adaptor->addUndoUnit(new ShowValuesAfter(refresher_, ShowValuesAfter::Replay::kRedo));
    adaptor->endUndoGroup();
}

void ConfigurationWindow::FillProfileList(const std::string& current) {
    if (profileBox_ == nullptr || instance_ == nullptr) return;
    const std::vector<std::string> names = instance_->GetTool().GetConfigProfileManager().ListProfiles();
    profileBox_->Clear();
    int chosen = names.empty() ? -1 : 0;
    for (size_t i = 0; i < names.size(); ++i) {
        profileBox_->AddItem(names[i]);
        if (names[i] == current) chosen = static_cast<int>(i);
    }
    profileBox_->SetCurrentIndex(chosen);
}

void ConfigurationWindow::Tell(const std::string& text) {
    platform::win32::MessageBox(nullptr, text.c_str(), ConfigProfileManager::kMessageTitle,
                                platform::win32::MB_OK | platform::win32::MB_ICONWARNING);
}

} // namespace vex::orb::core
