#include "tools/imagegen/ColourText.h"

#include "util/NumberText.h"

#include <vector>

namespace vex::imagegen {
namespace {

std::optional<int> HexPair(std::string_view two) {
    int value = 0;
    for (const char c : two) {
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        if (digit < 0) return std::nullopt;
        value = value * 16 + digit;
    }
    return value;
}

std::optional<QColor> FromHex(std::string_view hex, std::string& error) {
    if (hex.size() != 6 && hex.size() != 8) {
        error = "colour '#" + std::string(hex) + "' is not #rrggbb or #rrggbbaa";
        return std::nullopt;
    }
    int parts[4] = {0, 0, 0, 255};
    for (std::size_t i = 0; i * 2 < hex.size(); ++i) {
        const std::optional<int> part = HexPair(hex.substr(i * 2, 2));
        if (!part) {
            error = "colour '#" + std::string(hex) + "' has a character that is not a hex digit";
            return std::nullopt;
        }
        parts[i] = *part;
    }
    return QColor(parts[0], parts[1], parts[2], parts[3]);
}

std::optional<QColor> FromComponents(std::string_view text, std::string& error) {
    std::vector<int> parts;
    std::size_t at = 0;
    while (at <= text.size()) {
        std::size_t end = text.find(',', at);
        if (end == std::string_view::npos) end = text.size();
        const std::optional<int> part = util::ParseNumber<int>(text.substr(at, end - at));
        if (!part) {
            error = "colour '" + std::string(text) + "' has a component that is not a whole number";
            return std::nullopt;
        }
        if (*part < 0 || *part > 255) {
            error = "colour '" + std::string(text) + "' has component " + std::to_string(*part) +
                    " outside 0..255";
            return std::nullopt;
        }
        parts.push_back(*part);
        at = end + 1;
    }
    if (parts.size() != 3 && parts.size() != 4) {
        error = "colour '" + std::string(text) + "' needs 3 or 4 components";
        return std::nullopt;
    }
    return QColor(parts[0], parts[1], parts[2], parts.size() == 4 ? parts[3] : 255);
}

} // namespace

std::optional<QColor> ParseColour(std::string_view word, const ColourNames& names, std::string& error) {
    std::string_view base = word;
    std::optional<double> alpha;
    if (const std::size_t slash = word.find('/'); slash != std::string_view::npos) {
        base = word.substr(0, slash);
        alpha = util::ParseNumber<double>(word.substr(slash + 1));
        if (!alpha || !(*alpha >= 0.0 && *alpha <= 1.0)) {
            error = "colour '" + std::string(word) + "' has an alpha outside 0..1";
            return std::nullopt;
        }
    }
    std::optional<QColor> colour;
    if (!base.empty() && base.front() == '#') {
        colour = FromHex(base.substr(1), error);
    } else if (base.find(',') != std::string_view::npos) {
        colour = FromComponents(base, error);
    } else if (const auto named = names.find(std::string(base)); named != names.end()) {
        colour = named->second;
    } else {
        error = "'" + std::string(base) + "' is neither a colour nor a declared colour name";
    }
    if (colour && alpha) colour->setAlphaF(static_cast<float>(colour->alphaF() * *alpha));
    return colour;
}

} // namespace vex::imagegen
