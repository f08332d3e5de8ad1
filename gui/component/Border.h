#pragma once

#include "gui/StdComponent.h"
#include "gui/componentinterface/Border.h"
#include "util/AbstractFactory.h"

namespace vex::gui::component {

/// A `border`: a frame (`style` "none", "thin", "sunken", "normal") around its content child, with
/// `valign`, `halign`, `margin` and `padding` as for a list.
class Border : public StdComponent, public componentinterface::Border {
public:
    /// Makes borders from `border` elements.
    class Factory : public util::AbstractFactory<Component>::Factory {
    public:
        std::string name() const override { return "border"; }
        Component* create(const util::xml::Element& element) override;
    };

protected:
    void LoadOwn(const util::xml::Element& element) override;
};

} // namespace vex::gui::component
