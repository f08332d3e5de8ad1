#pragma once

#include "tools/imagegen/ArtDocument.h"
#include "tools/imagegen/ColourText.h"

#include <optional>
#include <string>
#include <string_view>

namespace vex::imagegen {

/// Reads the vector source format of art/ (art/README.md describes it) into an ArtDocument.
class ArtParser {
public:
    /// Parses `text`, read from `fileName`; `overrides` replace the colours of the names the source
    /// declares. Nothing, with `error` as "file:line: message", when any line is malformed.
    static std::optional<ArtDocument> Parse(std::string_view text, const std::string& fileName,
                                            const ColourNames& overrides, std::string& error);
};

} // namespace vex::imagegen
