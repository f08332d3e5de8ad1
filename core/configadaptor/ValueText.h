#pragma once

// The text forms of configuration values: how profiles and layouts write numbers, and how profile
// items are read back. Reading is strict: surrounding blanks are ignored, anything else that is not
// part of the number makes the text unreadable, so a damaged item never changes a value.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vex::orb::core::configadaptor {

/// The shortest decimal text that reads back as exactly `value`.
std::string FormatDouble(double value);
/// The decimal number `text` holds, or nothing when it holds anything else.
std::optional<double> ParseDouble(std::string_view text);
/// The whole number `text` holds (a decimal number with a fraction is not one), or nothing.
std::optional<int32_t> ParseInt(std::string_view text);
/// `value` as a 32-bit int, rounded to the nearest; nothing for NaN or values out of range.
std::optional<int32_t> ToInt(double value);
/// `value` as a 32-bit int, truncated toward zero as a C conversion does (2.9 gives 2, -2.9 gives -2);
/// nothing for NaN or values out of range.
std::optional<int32_t> TruncateToInt(double value);
/// Base64 of the 8 bytes of `value` (IEEE 754, little-endian).
std::string EncodeDoubleBlob(double value);
/// The double whose 8 little-endian bytes `text` encodes in Base64; nothing for any other text.
std::optional<double> DecodeDoubleBlob(std::string_view text);

} // namespace vex::orb::core::configadaptor
