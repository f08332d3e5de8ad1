#include "gui/component/Dialog.h"

#include "util/xml/Element.h"

namespace vex::gui::component {

namespace {

// The yes/no attribute `name`, or `fallback` when it is missing.
bool ReadYesNo(const util::xml::Element& element, std::string_view name, bool fallback) {
    return element.HasAttribute(name) ? StdComponent::IsYes(element.GetAttribute(name)) : fallback;
}

} // namespace

void Dialog::LoadOwn(const util::xml::Element& element) {
    iconPath_ = element.GetAttribute("icon");
    topmost_ = ReadYesNo(element, "topmost", topmost_);
    maximizeButton_ = ReadYesNo(element, "maximizebtn", maximizeButton_);
    minimizeButton_ = ReadYesNo(element, "minimizebtn", minimizeButton_);
    closeButton_ = ReadYesNo(element, "closebtn", closeButton_);
    titlebar_ = ReadYesNo(element, "titlebar", titlebar_);
    modal_ = ReadYesNo(element, "modal", modal_);
    ReadPadding(element);
}

} // namespace vex::gui::component
