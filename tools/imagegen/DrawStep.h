#pragma once

#include "tools/imagegen/ColourText.h"

#include <QRectF>

#include <optional>
#include <string>

namespace vex::imagegen {

/// One source drawn into an image: which file, where, and how.
struct DrawStep {
    /// The source's path below art/.
    std::string source;
    /// Where it goes, in the image's pixels; the whole image when not given.
    std::optional<QRectF> rect;
    /// Drawn desaturated and faded, as a disabled or false state looks.
    bool grey = false;
    /// Drawn over a soft dark copy of itself moved down by a thirty-second of its height.
    bool shadow = false;
    /// Colours that replace the ones the source declares under these names.
    ColourNames colours;
};

} // namespace vex::imagegen
