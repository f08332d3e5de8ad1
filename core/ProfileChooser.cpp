#include "core/ProfileChooser.h"

#include "core/Instance.h"
#include "core/Tool.h"
#include "gui/componentinterface/Button.h"
#include "gui/componentinterface/Dialog.h"
#include "gui/componentinterface/Label.h"
#include "gui/componentinterface/ListBox.h"
#include "gui/componentinterface/TextBox.h"
#include "platform/win32/MessageBox.h"
#include "unidevice/InputProfile.h"

#include <algorithm>

namespace vex::orb::core {

namespace {

namespace win32 = platform::win32;
using gui::componentinterface::Button;
using gui::componentinterface::ListBox;
using gui::componentinterface::TextBox;

bool Refuse(const std::string& text) {
    win32::MessageBox(nullptr, text.c_str(), "Profiles", win32::MB_OK | win32::MB_ICONWARNING);
    return false;
}

} // namespace

void ProfileChooser::Open(Instance& instance, Kind kind, Action action) {
    instance_ = &instance;
    kind_ = kind;
    action_ = action;
    ShowWindow();
    ShowState();
}

void ProfileChooser::Close() {
    instance_ = nullptr;
    HideWindow();
}

XMLFileManager& ProfileChooser::Manager() const {
    Tool& tool = instance_->GetTool();
    if (kind_ == Kind::kInput) return tool.GetInputProfileManager();
    return tool.GetConfigProfileManager();
}

void ProfileChooser::Built() {
    ShowState();
}

void ProfileChooser::ShowState() {
    if (instance_ == nullptr) return;
    names_ = Manager().ListProfiles();
    if (action_ == Action::kDelete) {
        XMLFileManager& manager = Manager();
        names_.erase(std::remove_if(names_.begin(), names_.end(),
                                    [&manager](const std::string& name) { return manager.IsReadOnly(name); }),
                     names_.end());
    }
    const std::string what = kind_ == Kind::kInput ? "Input Profile" : "Configuration Profile";
    const std::string verb = action_ == Action::kLoad ? "Load" : action_ == Action::kSave ? "Save" : "Delete";
    if (auto* dialog = Find<gui::componentinterface::Dialog>(1))
        dialog->SetTitle(verb + " " + what + " of " + instance_->GetName());
    if (auto* prompt = Find<gui::componentinterface::Label>(kPrompt)) {
        prompt->SetText(action_ == Action::kSave ? "Type a name, or choose a profile to replace:"
                                                 : "Choose the profile to " +
                                                       std::string(verb == "Load" ? "load" : "delete") + ":");
    }
    if (auto* list = Find<ListBox>(kList)) {
        list->Clear();
        for (const std::string& name : names_) list->AddItem(name);
    }
    if (auto* name = Find<TextBox>(kName))
        name->SetText(action_ == Action::kSave ? instance_->GetName() : "");
}

bool ProfileChooser::Apply(const std::string& name) {
    if (instance_ == nullptr) return false;
    if (name.empty()) return Refuse("Choose or type the name of a profile.");
    bool done = false;
    if (action_ == Action::kLoad) done = Load(name);
    if (action_ == Action::kSave) done = Save(name);
    if (action_ == Action::kDelete) done = Delete(name);
    if (done) Close();
    return done;
}

bool ProfileChooser::Load(const std::string& name) {
    const std::string unreadable = "The profile \"" + name + "\" could not be read.";
    if (kind_ == Kind::kConfiguration) return instance_->LoadConfigProfileNamed(name) || Refuse(unreadable);
    const int unresolved =
        instance_->LoadInputProfileNamed(name).value_or(unidevice::InputProfile::kNotAProfile);
    if (unresolved == unidevice::InputProfile::kNotAProfile) return Refuse(unreadable);
    if (unresolved > 0) {
        const std::string text =
            std::to_string(unresolved) +
            " of the profile's bindings name devices that are not plugged in; they are kept "
            "and bind when the devices are there.";
        win32::MessageBox(nullptr, text.c_str(), "Profiles", win32::MB_OK | win32::MB_ICONINFORMATION);
    }
    return true;
}

bool ProfileChooser::Save(const std::string& name) {
    if (Manager().IsReadOnly(name) && name == Manager().GetBuiltInName())
        return Refuse("\"" + name + "\" is the tool's built-in profile; choose another name.");
    const bool saved = kind_ == Kind::kConfiguration ? instance_->SaveConfigProfileAs(name)
                                                     : instance_->SaveInputProfileAs(name);
    return saved || Refuse("The profile \"" + name + "\" could not be written.");
}

bool ProfileChooser::Delete(const std::string& name) {
    if (Manager().IsReadOnly(name))
        return Refuse("\"" + name + "\" ships with the tool and cannot be deleted.");
    return Manager().DeleteProfile(name) || Refuse("The profile \"" + name + "\" could not be deleted.");
}

void ProfileChooser::receive(util::Message& message, bool broadcast) {
    (void)broadcast; // component events reach the window as deliveries to a subscriber
    if (message.code < 0) return;
    if (message.code == ListBox::kIndexChanged && message.parameter == kList) {
        const auto index = static_cast<std::size_t>(message.value);
        if (auto* name = Find<TextBox>(kName); name != nullptr && message.value >= 0 && index < names_.size())
            name->SetText(names_[index]);
    } else if (message.code == ListBox::kItemDoubleClicked && message.parameter == kList) {
        const auto index = static_cast<std::size_t>(message.value);
        if (message.value >= 0 && index < names_.size()) Apply(names_[index]);
    } else if (message.code == Button::kClicked && message.parameter == kOkButton) {
        const auto* name = Find<TextBox>(kName);
        Apply(name != nullptr ? name->GetText() : std::string());
    } else if ((message.code == Button::kClicked && message.parameter == kCancelButton) ||
               message.code == gui::componentinterface::Dialog::kClosed) {
        instance_ = nullptr;
        HideWindow();
    }
}

} // namespace vex::orb::core
