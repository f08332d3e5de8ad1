#include "gui/background/Gradient_Linear.h"

#include "util/NumberText.h"
#include "util/xml/Element.h"

#include <algorithm>

namespace vex::gui::background {

namespace {

// The attribute as a floating-point number, or `fallback` when missing or malformed.
double ReadDouble(const util::xml::Element& element, std::string_view name, double fallback) {
    if (!element.HasAttribute(name)) return fallback;
    return util::ParseNumber<double>(element.GetAttribute(name)).value_or(fallback);
}

} // namespace

void Gradient_Linear::Load(const util::xml::Element& element) {
    startX_ = ReadDouble(element, "startx", startX_);
    startY_ = ReadDouble(element, "starty", startY_);
    endX_ = ReadDouble(element, "endx", endX_);
    endY_ = ReadDouble(element, "endy", endY_);
    const std::string spread = element.GetAttribute("spread");
    spread_ = spread == "repeat" ? Spread::kRepeat : spread == "mirror" ? Spread::kMirror : Spread::kPad;
    absolute_ = element.GetAttribute("coordinates") == "absolute";
    stops_.clear();
    for (const util::xml::Element& child : element.GetChildren()) {
        if (!child.IsTag() || child.GetName() != "color") continue;
        stops_.push_back({std::clamp(ReadDouble(child, "pos", 0.0), 0.0, 1.0), Rgba::FromAttributes(child)});
    }
}

} // namespace vex::gui::background
