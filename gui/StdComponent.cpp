#include "gui/StdComponent.h"

#include "gui/Background.h"
#include "gui/BuildReport.h"
#include "gui/ComponentBuilder.h"
#include "util/xml/Element.h"

#include <sstream>

namespace vex::gui {

namespace {

// Reads the integer attribute `name` into `field` when present and well formed.
void ReadInt(const util::xml::Element& element, std::string_view name, int32_t& field) {
    field = element.GetAttributeInt(name, field);
}

// Reads one whole number from `text`; false when it is not one.
bool ReadSide(const std::string& text, int& side) {
    std::istringstream in(text);
    int value = 0;
    std::string rest;
    if (!(in >> value) || (in >> rest)) return false;
    side = value;
    return true;
}

} // namespace

void StdComponent::Load(const util::xml::Element& element, BuildReport* report) {
    ReadCommonAttributes(element);
    LoadOwn(element);
    ReadChildren(element, report);
    Loaded();
    CommonStateChanged();
    RefreshImages();
}

void StdComponent::ReadCommonAttributes(const util::xml::Element& element) {
    if (element.HasAttribute("component")) setName(element.GetAttribute("component"));
    ReadInt(element, "id", id_);
    ReadInt(element, "left", left_);
    ReadInt(element, "top", top_);
    ReadInt(element, "width", width_);
    ReadInt(element, "height", height_);
    ReadInt(element, "desiredwidth", desiredWidth_);
    ReadInt(element, "desiredheight", desiredHeight_);
    ReadInt(element, "minwidth", minWidth_);
    ReadInt(element, "minheight", minHeight_);
    ReadInt(element, "maxwidth", maxWidth_);
    ReadInt(element, "maxheight", maxHeight_);
    if (element.HasAttribute("fixed")) {
        const std::string fixed = element.GetAttribute("fixed");
        fixedHorizontally_ = fixed == "yes" || fixed == "horizontal";
        fixedVertically_ = fixed == "yes" || fixed == "vertical";
    }
    if (element.HasAttribute("visible")) visible_ = IsOn(element.GetAttribute("visible"));
    if (element.HasAttribute("enabled")) enabled_ = IsOn(element.GetAttribute("enabled"));
    if (element.HasAttribute("label")) label_ = element.GetAttribute("label");
    if (element.HasAttribute("tabstop")) tabStop_ = IsOn(element.GetAttribute("tabstop"));
    ReadInt(element, "tooltipid", tooltipId_);
    if (element.HasAttribute("tooltip")) tooltip_ = element.GetAttribute("tooltip");
    // A popup attribute names no menu entries of its own; the entries come from a popup child.
    if (element.HasAttribute("popup")) popup_.label = element.GetAttribute("popup");
    if (element.HasAttribute("background")) {
        if (auto background = Background::FromAttribute(element.GetAttribute("background")))
            background_ = std::move(background);
    }
    if (element.HasAttribute("style")) style_ = element.GetAttribute("style");
}

void StdComponent::ReadChildren(const util::xml::Element& element, BuildReport* report) {
    for (const util::xml::Element& child : element.GetChildren()) {
        if (!child.IsTag()) continue;
        const auto& name = child.GetName();
        if (name == "tooltip") {
            tooltip_ = child.GetText();
        } else if (name == "popup") {
            popup_ = PopupMenu::Parse(child);
        } else if (name == "background") {
            if (auto background = Background::Create(child)) background_ = std::move(background);
        } else if (!LoadChild(child)) {
            ComponentBuilder::Build(child, this, report);
        }
    }
}

StdComponent::Box StdComponent::ReadBox(const util::xml::Element& element, const std::string& name, Box box) {
    if (element.HasAttribute(name)) {
        std::istringstream in(element.GetAttribute(name));
        Box read;
        std::string rest;
        if (in >> read.left >> read.top >> read.right >> read.bottom && !(in >> rest)) box = read;
    }
    ReadSide(element.GetAttribute(name + "-left", "x"), box.left);
    ReadSide(element.GetAttribute(name + "-top", "x"), box.top);
    ReadSide(element.GetAttribute(name + "-right", "x"), box.right);
    ReadSide(element.GetAttribute(name + "-bottom", "x"), box.bottom);
    return box;
}

std::string StdComponent::ItemText(const util::xml::Element& item) {
    return item.HasAttribute("label") ? item.GetAttribute("label") : item.GetText();
}

void StdComponent::ReadAlignment(const util::xml::Element& element) {
    const std::string h = element.GetAttribute("halign");
    if (h == "left")
        hAlign_ = HAlign::kLeft;
    else if (h == "center")
        hAlign_ = HAlign::kCenter;
    else if (h == "right")
        hAlign_ = HAlign::kRight;
    const std::string v = element.GetAttribute("valign");
    if (v == "top")
        vAlign_ = VAlign::kTop;
    else if (v == "center")
        vAlign_ = VAlign::kCenter;
    else if (v == "bottom")
        vAlign_ = VAlign::kBottom;
}

void StdComponent::LoadOwn(const util::xml::Element& /*element*/) {}

bool StdComponent::LoadChild(const util::xml::Element& /*child*/) {
    return false;
}

void StdComponent::Loaded() {}

} // namespace vex::gui
