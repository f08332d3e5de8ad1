#pragma once

#include "gui/StdComponent.h"
#include "gui/componentinterface/Scroll.h"
#include "util/AbstractFactory.h"

namespace vex::gui::component {

/// A `scroll`: a scrolled view of its one child (later children are kept but not shown).
class Scroll : public StdComponent, public componentinterface::Scroll {
public:
    Component* GetContent() const override { return getChild(0); }

    /// Makes scroll views from `scroll` elements.
    class Factory : public util::AbstractFactory<Component>::Factory {
    public:
        std::string name() const override { return "scroll"; }
        Component* create(const util::xml::Element& element) override;
    };
};

} // namespace vex::gui::component
