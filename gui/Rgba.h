#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vex::util::xml {
class Element;
}

namespace vex::gui {

/// A colour with alpha, each channel a whole number 0-255.
struct Rgba {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    uint8_t a = 255;

    /// Reads "r g b a" (or "r g b", opaque); nullopt when a number is missing or out of 0-255.
    static std::optional<Rgba> Parse(std::string_view text);
    /// Reads the attributes `r`, `g`, `b` and `a` of `element` (missing channels 0, missing alpha 255;
    /// values clamped to 0-255).
    static Rgba FromAttributes(const util::xml::Element& element);

    friend bool operator==(const Rgba&, const Rgba&) = default;
};

} // namespace vex::gui
