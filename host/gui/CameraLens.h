#pragma once

#include "host/scene/Node.h"

#include <QMatrix4x4>

namespace vex::host::gui {

/// What a scene camera's shape says about its picture: the lens and film back in the host's units
/// (millimetres and inches), the clipping planes and whether it is orthographic.
struct CameraLens {
    double focalLength = 35.0;
    double horizontalFilmAperture = 1.41732;
    double verticalFilmAperture = 0.94488;
    double nearClipPlane = 0.1;
    double farClipPlane = 10000.0;
    bool orthographic = false;
    double orthographicWidth = 10.0;

    /// The lens of a camera shape at the scene's current time (defaults for anything missing).
    static CameraLens Read(const Node& cameraShape);

    /// The tangents of half the horizontal and vertical angles of view in a view of width / height
    /// `aspect`. The film gate fills the view: it fits the width when the view is wider than the film,
    /// else the height (the host's default film fit), so what the camera records is always inside.
    std::pair<double, double> HalfAngleTangents(double aspect) const;
    /// View to clip space for a view of width / height `aspect`.
    QMatrix4x4 ProjectionMatrix(double aspect) const;
};

} // namespace vex::host::gui
