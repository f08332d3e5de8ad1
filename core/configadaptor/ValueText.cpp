#include "core/configadaptor/ValueText.h"

#include "util/Base64.h"
#include "util/NumberText.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

namespace vex::orb::core::configadaptor {

std::string FormatDouble(double value) {
    return util::FormatNumber(value);
}

std::optional<double> ParseDouble(std::string_view text) {
    return util::ParseNumber<double>(text);
}

std::optional<int32_t> ParseInt(std::string_view text) {
    return util::ParseNumber<int32_t>(text);
}

namespace {

std::optional<int32_t> InIntRange(double whole) {
    if (!(whole >= std::numeric_limits<int32_t>::min() && whole <= std::numeric_limits<int32_t>::max()))
        return std::nullopt;
    return static_cast<int32_t>(whole);
}

} // namespace

std::optional<int32_t> ToInt(double value) {
    return InIntRange(std::round(value));
}

std::optional<int32_t> TruncateToInt(double value) {
    return InIntRange(std::trunc(value));
}

std::string EncodeDoubleBlob(double value) {
    const auto bits = std::bit_cast<uint64_t>(value);
    std::array<uint8_t, 8> bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(bits >> (8 * i));
    return util::Base64Encode(bytes.data(), bytes.size());
}

std::optional<double> DecodeDoubleBlob(std::string_view text) {
    std::vector<uint8_t> bytes;
    if (!util::Base64Decode(text, bytes) || bytes.size() != 8) return std::nullopt;
    uint64_t bits = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) bits |= static_cast<uint64_t>(bytes[i]) << (8 * i);
    return std::bit_cast<double>(bits);
}

} // namespace vex::orb::core::configadaptor
