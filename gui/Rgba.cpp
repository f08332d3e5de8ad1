#include "gui/Rgba.h"

#include "util/xml/Element.h"

#include <algorithm>
#include <sstream>
#include <string>

namespace vex::gui {

namespace {

uint8_t Channel(int value) {
    return static_cast<uint8_t>(std::clamp(value, 0, 255));
}

} // namespace

std::optional<Rgba> Rgba::Parse(std::string_view text) {
    std::istringstream in{std::string(text)};
    int values[4] = {0, 0, 0, 255};
    int count = 0;
    for (int value = 0; count < 4 && in >> value; ++count) {
        if (value < 0 || value > 255) return std::nullopt;
        values[count] = value;
    }
    if (count < 3) return std::nullopt;
    in.clear();
    std::string rest;
    if (in >> rest) return std::nullopt;
    return Rgba{Channel(values[0]), Channel(values[1]), Channel(values[2]), Channel(values[3])};
}

Rgba Rgba::FromAttributes(const util::xml::Element& element) {
    return Rgba{Channel(element.GetAttributeInt("r", 0)), Channel(element.GetAttributeInt("g", 0)),
                Channel(element.GetAttributeInt("b", 0)), Channel(element.GetAttributeInt("a", 255))};
}

} // namespace vex::gui
