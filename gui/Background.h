#pragma once

#include "util/AbstractFactory.h"
#include "util/DynamicObject.h"

#include <memory>
#include <string>

namespace vex::gui {

class Component;

/// What a component paints behind its content. Kinds of background come from their own factory
/// family, util::AbstractFactory<Background>, whose factories answer to the `type` attribute of a
/// `background` element ("color", "gradient-linear").
class Background : public util::DynamicObject {
public:
    using Factory = util::AbstractFactory<Background>::Factory;

    /// Reads the background's attributes and children.
    virtual void Load(const util::xml::Element& element) = 0;
    /// Makes `component`'s widget paint this background.
    virtual void ApplyTo(Component& component) const = 0;

    /// The background a `background` element describes, loaded; null when no factory takes its type.
    static std::unique_ptr<Background> Create(const util::xml::Element& element);
    /// The background of a `background` attribute: a colour written "r g b a" (or "r g b"); null
    /// when the text is not one.
    static std::unique_ptr<Background> FromAttribute(const std::string& value);
};

} // namespace vex::gui
