#pragma once

#include "gui/Background.h"
#include "gui/Rgba.h"

namespace vex::gui::background {

/// A plain colour behind the component: `type` "color" with `r`, `g`, `b`, `a` (alpha opaque by default).
class Color : public Background {
public:
    void Load(const util::xml::Element& element) override { color_ = Rgba::FromAttributes(element); }
    /// The colour painted.
    const Rgba& GetColor() const { return color_; }

    /// Answers to `background` elements of type "color"; makes the Qt realisation.
    class Factory : public Background::Factory {
    public:
        std::string name() const override { return "color"; }
        bool Accepts(const util::xml::Element& element) const override;
        Background* create(const util::xml::Element& element) override;
    };

protected:
    Rgba color_;
};

} // namespace vex::gui::background
