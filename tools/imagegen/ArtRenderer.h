#pragma once

#include "tools/imagegen/ArtDocument.h"

#include <QImage>
#include <QRectF>

class QPainter;

namespace vex::imagegen {

/// Draws parsed vector sources with antialiasing.
class ArtRenderer {
public:
    /// Draws `document` with its design space stretched over `target` (in the painter's pixels).
    static void Draw(const ArtDocument& document, QPainter& painter, const QRectF& target);

    /// A transparent `width` by `height` image with `document` drawn over all of it.
    static QImage Render(const ArtDocument& document, int width, int height);
};

} // namespace vex::imagegen
