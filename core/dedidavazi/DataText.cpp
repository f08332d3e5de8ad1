#include "core/dedidavazi/DataText.h"

#include <charconv>
#include <limits>
#include <system_error>

namespace vex::orb::core::DediDavazi_Default {

namespace {

// `text` without leading whitespace and without a "+" that starts a number.
std::string_view NumberStart(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r')) ++i;
    if (i + 1 < text.size() && text[i] == '+' && text[i + 1] != '-') ++i;
    return text.substr(i);
}

// The power of ten of the first significant digit of a decimal numeral (sign, digits, point, exponent),
// saturated far beyond any double; only its sign matters for a numeral out of a double's range.
long long DecimalMagnitude(std::string_view numeral) {
    std::size_t i = numeral[0] == '-' ? 1 : 0;
    long long integerDigits = 0, leadingZeros = 0;
    bool significant = false, fraction = false;
    for (; i < numeral.size() && (numeral[i] == '.' || (numeral[i] >= '0' && numeral[i] <= '9')); ++i) {
        if (numeral[i] == '.') {
            fraction = true;
        } else if (numeral[i] != '0' || significant) {
            if (!fraction && integerDigits < 1'000'000'000) ++integerDigits;
            significant = true;
        } else if (fraction && leadingZeros < 1'000'000'000) {
            ++leadingZeros;
        }
    }
    long long magnitude = integerDigits > 0 ? integerDigits - 1 : -(leadingZeros + 1);
    if (i < numeral.size()) { // "e" or "E", then an exponent
        const bool negative = ++i < numeral.size() && numeral[i] == '-';
        if (i < numeral.size() && (numeral[i] == '-' || numeral[i] == '+')) ++i;
        long long exponent = 0;
        for (; i < numeral.size() && exponent < 1'000'000'000; ++i)
            exponent = exponent * 10 + (numeral[i] - '0');
        magnitude += negative ? -exponent : exponent;
    }
    return magnitude;
}

} // namespace

std::string_view DataText(const util::xml::Element& element) {
    const util::xml::Element* data = element.GetChild(std::size_t{0});
    return data != nullptr && data->GetKind() == util::xml::Element::Kind::Text
               ? std::string_view(data->GetName())
               : std::string_view();
}

double ReadDouble(std::string_view text) {
    text = NumberStart(text);
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) {
        const std::string_view numeral(text.data(), static_cast<std::size_t>(end - text.data()));
        value = DecimalMagnitude(numeral) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        return numeral[0] == '-' ? -value : value;
    }
    return error == std::errc() ? value : 0.0;
}

std::int32_t ReadInt(std::string_view text) {
    text = NumberStart(text);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range)
        return text[0] == '-' ? std::numeric_limits<std::int32_t>::min()
                              : std::numeric_limits<std::int32_t>::max();
    return error == std::errc() ? value : 0;
}

std::string FormatDouble(double value) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, error == std::errc() ? end : buffer);
}

} // namespace vex::orb::core::DediDavazi_Default
