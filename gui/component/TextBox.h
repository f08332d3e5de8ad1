#pragma once

#include "gui/StdComponent.h"
#include "gui/componentinterface/TextBox.h"
#include "util/AbstractFactory.h"

#include <string>

namespace vex::gui::component {

/// A `textbox`: `defaulttext` is its first text, `editable` "no" makes it read-only.
class TextBox : public StdComponent, public componentinterface::TextBox {
public:
    /// The text the layout gave.
    const std::string& GetDefaultText() const { return defaultText_; }

    /// Makes text boxs from `textbox` elements.
    class Factory : public util::AbstractFactory<Component>::Factory {
    public:
        std::string name() const override { return "textbox"; }
        Component* create(const util::xml::Element& element) override;
    };

protected:
    void LoadOwn(const util::xml::Element& element) override;

    std::string defaultText_;
    bool editable_ = true;
};

} // namespace vex::gui::component
