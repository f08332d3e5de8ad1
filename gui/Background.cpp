#include "gui/Background.h"

#include "gui/ComponentBuilder.h"
#include "gui/Rgba.h"

namespace vex::gui {

std::unique_ptr<Background> Background::Create(const util::xml::Element& element) {
    ComponentBuilder::RegisterFactories();
    std::unique_ptr<Background> background(util::AbstractFactory<Background>::Create(element));
    if (background) background->Load(element);
    return background;
}

std::unique_ptr<Background> Background::FromAttribute(const std::string& value) {
    const std::optional<Rgba> color = Rgba::Parse(value);
    if (!color) return nullptr;
    util::xml::Element element(util::xml::Element::Kind::Tag, "background");
    element.SetAttribute("type", "color");
    element.SetAttributeInt("r", color->r);
    element.SetAttributeInt("g", color->g);
    element.SetAttributeInt("b", color->b);
    element.SetAttributeInt("a", color->a);
    return Create(element);
}

} // namespace vex::gui
