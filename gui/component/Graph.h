#pragma once

#include "gui/StdComponent.h"
#include "gui/componentinterface/Graph.h"
#include "util/AbstractFactory.h"

#include <string_view>
#include <vector>

namespace vex::gui::component {

/// The `graph` element: a plot of curves. Attributes `boundary_left`, `boundary_right`, `boundary_top`,
/// `boundary_bottom` (decimal numbers) give the data rectangle shown (defaults 0, 1, 1, 0). Each `curve`
/// child is one polyline: its `point` children in order, each with attributes `x` and `y` (decimal
/// numbers, default 0); the curve's colour is `r`, `g`, `b` (0-255; default a mid blue).
class Graph : public StdComponent, public componentinterface::Graph {
public:
    /// Makes `graph` components.
    class Factory : public util::AbstractFactory<Component>::Factory {
    public:
        std::string name() const override { return "graph"; }
        Component* create(const util::xml::Element& element) override;
    };

    void SetBoundaries(const Boundaries& boundaries) override;
    const Boundaries& GetBoundaries() const override { return boundaries_; }
    void SetCurves(std::vector<Curve> curves) override;
    const std::vector<Curve>& GetCurves() const override { return curves_; }

    /// `text` as a decimal number (C locale, whole text); `fallback` when it is not one.
    static double ParseNumber(std::string_view text, double fallback);

protected:
    void LoadOwn(const util::xml::Element& element) override;
    bool LoadChild(const util::xml::Element& child) override;
    /// The boundaries or curves changed; the realisation repaints. Base: nothing.
    virtual void GraphChanged();

    Boundaries boundaries_;
    std::vector<Curve> curves_;
};

} // namespace vex::gui::component
