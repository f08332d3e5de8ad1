#pragma once

#include "gui/StdComponent.h"
#include "gui/componentinterface/Group.h"
#include "util/AbstractFactory.h"

namespace vex::gui::component {

/// A `group`: a titled frame (`label` is the title) around its content child, with `valign`,
/// `halign`, `margin` and `padding` as for a list.
class Group : public StdComponent, public componentinterface::Group {
public:
    /// Makes groups from `group` elements.
    class Factory : public util::AbstractFactory<Component>::Factory {
    public:
        std::string name() const override { return "group"; }
        Component* create(const util::xml::Element& element) override;
    };

protected:
    void LoadOwn(const util::xml::Element& element) override;
};

} // namespace vex::gui::component
