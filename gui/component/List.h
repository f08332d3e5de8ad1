#pragma once

#include "gui/StdComponent.h"
#include "gui/componentinterface/List.h"
#include "util/AbstractFactory.h"

namespace vex::gui::component {

/// A `list`: `type` "horizontal" places the children in a row, anything else in a column; `valign`,
/// `halign` align the children in their cells, `padding` is the room around them, `margin` the room
/// outside the list's content area.
class List : public StdComponent, public componentinterface::List {
public:
    bool IsHorizontal() const override { return horizontal_; }

    /// Makes lists from `list` elements.
    class Factory : public util::AbstractFactory<Component>::Factory {
    public:
        std::string name() const override { return "list"; }
        Component* create(const util::xml::Element& element) override;
    };

protected:
    void LoadOwn(const util::xml::Element& element) override;

    bool horizontal_ = false;
};

} // namespace vex::gui::component
