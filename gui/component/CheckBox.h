#pragma once

#include "gui/StdComponent.h"
#include "gui/componentinterface/CheckBox.h"
#include "util/AbstractFactory.h"

#include <string>

namespace vex::gui::component {

/// A `checkbox`: `label` is its text, `defaultstate` "true", "false" or "undetermined" its first
/// state, `tristate` "yes" allows the third state; `paintgroup` is kept for the window.
class CheckBox : public StdComponent, public componentinterface::CheckBox {
public:
    State GetDefaultState() const { return defaultState_; }
    bool IsTristate() const { return tristate_; }
    const std::string& GetPaintGroup() const { return paintGroup_; }

    /// Makes check boxs from `checkbox` elements.
    class Factory : public util::AbstractFactory<Component>::Factory {
    public:
        std::string name() const override { return "checkbox"; }
        Component* create(const util::xml::Element& element) override;
    };

protected:
    void LoadOwn(const util::xml::Element& element) override;

    State defaultState_ = State::kFalse;
    bool tristate_ = false;
    std::string paintGroup_;
};

} // namespace vex::gui::component
