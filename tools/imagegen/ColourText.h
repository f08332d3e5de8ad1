#pragma once

#include <QColor>

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace vex::imagegen {

/// Colours by the names a source declares.
using ColourNames = std::map<std::string, QColor>;

/// Reads a colour word: "#rrggbb", "#rrggbbaa", "R,G,B" or "R,G,B,A" (each 0..255), or a declared
/// name; any of them may end in "/ALPHA" (0..1), which scales the alpha. Nothing, with `error` set,
/// for anything else or a component out of range.
std::optional<QColor> ParseColour(std::string_view word, const ColourNames& names, std::string& error);

} // namespace vex::imagegen
