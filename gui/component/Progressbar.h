#pragma once

#include "gui/StdComponent.h"
#include "gui/componentinterface/Progressbar.h"
#include "util/AbstractFactory.h"

namespace vex::gui::component {

/// A `progressbar`: from 0 to 100 until the window sets another range.
class Progressbar : public StdComponent, public componentinterface::Progressbar {
public:
    /// Makes progress bars from `progressbar` elements.
    class Factory : public util::AbstractFactory<Component>::Factory {
    public:
        std::string name() const override { return "progressbar"; }
        Component* create(const util::xml::Element& element) override;
    };
};

} // namespace vex::gui::component
