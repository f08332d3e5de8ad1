#pragma once

#include "host/gui/CameraLens.h"

#include <QColor>
#include <QMatrix4x4>
#include <QVector3D>

#include <vector>

namespace vex::host::gui {

/// The viewport's wires in one vertex array: pairs of points with a colour each, drawn as GL lines in one
/// call. The ground grid, the camera frusta and the crosses of transforms without a shape are added
/// here in world space each frame.
class LineBatch {
public:
    /// Floats per vertex: position (3) then colour (3).
    static constexpr int kStride = 6;

    void clear() { vertices_.clear(); }
    void AddLine(const QVector3D& a, const QVector3D& b, const QColor& colour);
    /// The ground grid on the plane y = 0: `cells` lines each way from -extent to extent, the two
    /// axes through the origin darker.
    void AddGrid(double extent, int cells);
    /// A camera as its frustum: the film gate at a short distance in front of the eye (a pyramid
    /// from the eye), with a small triangle above the gate that shows which way is up.
    void AddFrustum(const QMatrix4x4& world, const CameraLens& lens, const QColor& colour);
    /// Three short lines through the origin of `world`.
    void AddCross(const QMatrix4x4& world, double size, const QColor& colour);

    const std::vector<float>& Vertices() const { return vertices_; }
    int VertexCount() const { return static_cast<int>(vertices_.size() / kStride); }

private:
    void AddVertex(const QVector3D& point, const QColor& colour);

    std::vector<float> vertices_;
};

} // namespace vex::host::gui
