#pragma once

#include "tools/imagegen/Shape.h"

#include <set>
#include <string>
#include <vector>

namespace vex::imagegen {

/// A parsed vector source: the size of its design space and its shapes in drawing order.
struct ArtDocument {
    /// Width and height of the design space (100 by 100 unless the source says otherwise).
    double viewWidth = 100.0;
    double viewHeight = 100.0;
    std::vector<Shape> shapes;
    /// The colour names the source declares, which a manifest may override.
    std::set<std::string> colourNames;
};

} // namespace vex::imagegen
