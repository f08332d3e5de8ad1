#include "util/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

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

const char* ReadNumber(const char* first, const char* last, double& value) {
    // n / 10^k with n below 2^53 and k at most 22: both are exact as doubles and the division rounds
    // correctly, so the result is the double nearest the decimal, as from_chars finds it.
    static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const char* p = first;
    const bool negative = p < last && *p == '-';
    if (negative) ++p;
    std::uint64_t n = 0;
    int digits = 0, decimals = 0;
    bool point = false;
    for (; p < last; ++p) {
        if (*p >= '0' && *p <= '9') {
            n = n * 10 + static_cast<std::uint64_t>(*p - '0');
            ++digits;
            if (point) ++decimals;
        } else if (*p == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    const bool exponent = p < last && (*p == 'e' || *p == 'E');
    if (digits == 0 || digits > 15 || exponent) {
        const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
        return error == std::errc() ? end : first;
    }
    const double magnitude = static_cast<double>(n) / kPowers[decimals];
    value = negative ? -magnitude : magnitude;
    return p;
}

char* WriteNumber(char* first, char* last, double value) {
    // value = n / 10^k for a whole n below 2^53 and the fewest decimals k: n and 10^k are exact as
    // doubles and the division rounds correctly, so the decimal text of n / 10^k reads back as value.
    static constexpr double kPowers[] = {1.0, 10.0, 100.0, 1e3, 1e4, 1e5, 1e6};
    static constexpr int kMostDecimals = 6;
    if (std::abs(value) < 1e9 && !(value == 0.0 && std::signbit(value)) && last - first >= 32) {
        for (int k = 0; k <= kMostDecimals; ++k) {
            const double scaled = value * kPowers[k];
            const double whole = std::nearbyint(scaled);
            if (whole != scaled) continue;
            const auto n = static_cast<std::int64_t>(whole);
            if (static_cast<double>(n) / kPowers[k] != value) break; // the scaling itself rounded
            char digits[24];
            int count = 0;
            for (std::uint64_t u = n < 0 ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
                 u != 0 || count <= k; u /= 10)
                digits[count++] = static_cast<char>('0' + u % 10);
            char* out = first;
            if (n < 0) *out++ = '-';
            for (int i = count - 1; i >= 0; --i) {
                *out++ = digits[i];
                if (i == k && k > 0) *out++ = '.';
            }
            return out;
        }
    }
    return std::to_chars(first, last, value).ptr;
}

std::string FormatFixed(double value, int decimals) {
    return Written(value, std::chars_format::fixed, decimals < 0 ? 0 : decimals);
}

std::string FormatGeneral(double value, int digits) {
    // As printf: a negative precision means the default of 6, and 0 means 1.
    return Written(value, std::chars_format::general, digits < 0 ? 6 : digits == 0 ? 1 : digits);
}

} // namespace vex::util
