#include "util/NumberText.h"

#include <array>

namespace vex::util {

namespace {

constexpr std::string_view kBlanks = " \t\r\n";

template <typename... Format>
std::string Written(double value, Format... format) {
    // Wide enough for any double in fixed form with the precision asked for.
    std::array<char, 400> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format...);
    return error == std::errc() ? std::string(buffer.data(), end) : std::string();
}

} // namespace

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

double ParseLeadingNumber(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return 0.0;
    text.remove_prefix(first);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;
    return error == std::errc() ? value : 0.0;
}

std::string FormatNumber(double value) {
    return Written(value);
}

std::string FormatFixed(double value, int decimals) {
    return Written(value, std::chars_format::fixed, decimals < 0 ? 0 : decimals);
}

std::string FormatGeneral(double value, int digits) {
    // As printf: a negative precision means the default of 6, and 0 means 1.
    return Written(value, std::chars_format::general, digits < 0 ? 6 : digits == 0 ? 1 : digits);
}

} // namespace vex::util
