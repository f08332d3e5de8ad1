#pragma once

#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace vex::util {

// Numbers as files, layouts, profiles, scenes, CSV and command results hold them: always the "C"
// form (a point for decimals, no grouping), whatever locale the process runs under. Every reader and
// writer of such text goes through these.

/// `text` with the blanks (space, tab, CR, LF) at both ends removed.
std::string_view TrimBlanks(std::string_view text);

/// The number `text` holds as a whole (blanks around it and a leading "+" allowed), or nothing when
/// it holds anything else; T is a floating-point or whole-number type.
template <typename T>
std::optional<T> ParseNumber(std::string_view text) {
    text = TrimBlanks(text);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

/// The number at the start of `text` (after blanks, with an optional "+"), as atof reads it in the
/// "C" locale: the rest is ignored, and 0 stands for no number at all.
double ParseLeadingNumber(std::string_view text);

/// The shortest text that reads back as exactly `value`.
std::string FormatNumber(double value);
/// Reads the number at `first` as std::from_chars does in its general format, and answers where it
/// ends (`first` when there is none, and `value` untouched). Plain decimals of up to 15 digits, which
/// scene files are made of, take a fast way that gives the very same double.
const char* ReadNumber(const char* first, const char* last, double& value);

/// Writes into [first, last) (room for 32 characters is enough) a text that reads back as exactly
/// `value` and answers its end: a number with six decimals or fewer (times, many recorded values) as
/// plain decimals with the fewest places, written far faster than to_chars does; any other as
/// FormatNumber writes it.
char* WriteNumber(char* first, char* last, double value);
/// `value` with `decimals` digits after the point, as "%.*f" writes it in the "C" locale.
std::string FormatFixed(double value, int decimals);
/// `value` with at most `digits` significant digits, as "%.*g" writes it in the "C" locale.
std::string FormatGeneral(double value, int digits);

} // namespace vex::util
