#include "gui/component/Graph.h"

#include "util/NumberText.h"
#include "util/xml/Element.h"

#include <algorithm>
#include <charconv>

namespace vex::gui::component {

namespace {

// A colour channel attribute (0-255, clamped); `fallback` when missing or malformed.
uint32_t Channel(const util::xml::Element& element, std::string_view name, uint32_t fallback) {
    return static_cast<uint32_t>(
        std::clamp(element.GetAttributeInt(name, static_cast<int>(fallback)), 0, 255));
}

} // namespace

void Graph::SetBoundaries(const Boundaries& boundaries) {
    boundaries_ = boundaries;
    GraphChanged();
}

void Graph::SetCurves(std::vector<Curve> curves) {
    curves_ = std::move(curves);
    GraphChanged();
}

double Graph::ParseNumber(std::string_view text, double fallback) {
    return util::ParseNumber<double>(text).value_or(fallback);
}

void Graph::LoadOwn(const util::xml::Element& element) {
    const auto number = [&](const char* name, double fallback) {
        return ParseNumber(element.GetAttribute(name), fallback);
    };
    boundaries_.left = number("boundary_left", boundaries_.left);
    boundaries_.right = number("boundary_right", boundaries_.right);
    boundaries_.top = number("boundary_top", boundaries_.top);
    boundaries_.bottom = number("boundary_bottom", boundaries_.bottom);
}

bool Graph::LoadChild(const util::xml::Element& child) {
    if (child.GetName() != "curve") return false;
    Curve curve;
    curve.rgb = Channel(child, "r", (curve.rgb >> 16) & 0xFF) << 16 |
                Channel(child, "g", (curve.rgb >> 8) & 0xFF) << 8 | Channel(child, "b", curve.rgb & 0xFF);
    for (const util::xml::Element& point : child.GetChildren()) {
        if (!point.IsTag() || point.GetName() != "point") continue;
        curve.points.push_back(
            {ParseNumber(point.GetAttribute("x"), 0.0), ParseNumber(point.GetAttribute("y"), 0.0)});
    }
    curves_.push_back(std::move(curve));
    return true;
}

void Graph::GraphChanged() {}

} // namespace vex::gui::component
