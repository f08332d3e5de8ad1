#include "core/AboutWindow.h"

#include "core/DataPaths.h"
#include "gui/componentinterface/Button.h"
#include "gui/componentinterface/Dialog.h"
#include "gui/componentinterface/Label.h"
#include "util/xml/Element.h"

namespace vex::orb::core {

std::string AboutWindow::Read(const char* name) const {
    util::xml::Element about;
    if (about.Load(GetInstallPath("data") + "/core/about.xml") != 0) return {};
    const util::xml::Element* child = about.GetChild(name);
    return child != nullptr ? child->GetText() : std::string();
}

std::string AboutWindow::GetProduct() const {
    return Read("product");
}

std::string AboutWindow::GetVersion() const {
    const std::string version = Read("version");
    return version.empty() ? version : "Version " + version;
}

std::string AboutWindow::GetInterfaceVersion() const {
    const std::string version = Read("interfaceversion");
    return version.empty() ? version : "Tool interface " + version;
}

void AboutWindow::Built() {
    const auto show = [this](int32_t id, const std::string& text) {
        if (auto* label = Find<gui::componentinterface::Label>(id)) label->SetText(text);
    };
    show(kProductLabel, "<b>" + GetProduct() + "</b>");
    show(kVersionLabel, GetVersion());
    show(kInterfaceLabel, GetInterfaceVersion());
}

void AboutWindow::receive(util::Message& message, bool broadcast) {
    if (!broadcast && message.code == gui::componentinterface::Button::kClicked &&
        message.parameter == kCloseButton)
        Close();
}

} // namespace vex::orb::core
