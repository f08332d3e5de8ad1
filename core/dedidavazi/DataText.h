#pragma once

#include "util/xml/Element.h"

#include <cstdint>
#include <string>
#include <string_view>

// The data child of "constant" and "parameter" elements: reading it leniently and writing numbers so
// that they read back exactly.
namespace vex::orb::core::DediDavazi_Default {

/// The text of `element`'s first child when that is a text node; otherwise empty.
std::string_view DataText(const util::xml::Element& element);

/// The number at the start of `text` after whitespace and an optional "+": decimal with optional
/// exponent, "inf" or "nan"; the rest of the text is ignored. Beyond the range of a double, ±infinity
/// (too large) or ±0 (too small); 0 when no number starts there. Independent of the locale.
double ReadDouble(std::string_view text);
/// The integer at the start of `text`, read like readDouble; clamped to the 32-bit range, 0 when none.
std::int32_t ReadInt(std::string_view text);
/// The shortest text that readDouble turns back into exactly `value` ("2", "0.1", "-inf", "nan").
std::string FormatDouble(double value);

} // namespace vex::orb::core::DediDavazi_Default
