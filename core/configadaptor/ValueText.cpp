#include "core/configadaptor/ValueText.h"

#include "util/Base64.h"
#include "util/ByteReader.h"
#include "util/ByteWriter.h"
#include "util/NumberText.h"

#include <array>
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
    std::array<uint8_t, 8> bytes{};
    util::ByteWriter(bytes).Write(value);
    return util::Base64Encode(bytes.data(), bytes.size());
}

std::optional<double> DecodeDoubleBlob(std::string_view text) {
    std::vector<uint8_t> bytes;
    if (!util::Base64Decode(text, bytes) || bytes.size() != 8) return std::nullopt;
    return util::ByteReader(bytes).Read<double>();
}

} // namespace vex::orb::core::configadaptor
