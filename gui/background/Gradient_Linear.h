#pragma once

#include "gui/Background.h"
#include "gui/Rgba.h"

#include <vector>

namespace vex::gui::background {

/// A linear gradient behind the component: `type` "gradient-linear" with `startx`, `starty`, `endx`,
/// `endy`, `spread` ("repeat", "mirror"; otherwise the end colours are padded), `coordinates`
/// ("absolute": pixels; otherwise fractions of the component's size) and `color` stops (`pos` 0-1,
/// `r`, `g`, `b`, `a`).
class Gradient_Linear : public Background {
public:
    enum class Spread { kPad, kRepeat, kMirror };
    /// One colour stop.
    struct Stop {
        double position = 0.0;
        Rgba color;
    };

    void Load(const util::xml::Element& element) override;

    double GetStartX() const { return startX_; }
    double GetStartY() const { return startY_; }
    double GetEndX() const { return endX_; }
    double GetEndY() const { return endY_; }
    Spread GetSpread() const { return spread_; }
    /// True when the coordinates are pixels, false when fractions of the component's size.
    bool IsAbsolute() const { return absolute_; }
    /// The stops in document order.
    const std::vector<Stop>& GetStops() const { return stops_; }

    /// Answers to `background` elements of type "gradient-linear"; makes the Qt realisation.
    class Factory : public Background::Factory {
    public:
        std::string name() const override { return "gradient-linear"; }
        bool Accepts(const util::xml::Element& element) const override;
        Background* create(const util::xml::Element& element) override;
    };

protected:
    double startX_ = 0.0;
    double startY_ = 0.0;
    double endX_ = 0.0;
    double endY_ = 1.0;
    Spread spread_ = Spread::kPad;
    bool absolute_ = false;
    std::vector<Stop> stops_;
};

} // namespace vex::gui::background
