#pragma once

#include "gui/StdComponent.h"
#include "gui/componentinterface/ListBox.h"
#include "util/AbstractFactory.h"

#include <string>

namespace vex::gui::component {

/// A `listbox`: `item` children are its entries.
class ListBox : public StdComponent, public componentinterface::ListBox {
public:
    /// Makes list boxs from `listbox` elements.
    class Factory : public util::AbstractFactory<Component>::Factory {
    public:
        std::string name() const override { return "listbox"; }
        Component* create(const util::xml::Element& element) override;
    };

protected:
    bool LoadChild(const util::xml::Element& child) override;
};

} // namespace vex::gui::component
