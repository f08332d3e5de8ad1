#include "host/gui/LineBatch.h"

#include <array>

namespace vex::host::gui {

namespace {

// How far in front of a camera's eye its drawn film gate sits, in scene units.
constexpr float kFrustumDepth = 1.0f;

} // namespace

void LineBatch::AddVertex(const QVector3D& point, const QColor& colour) {
    vertices_.insert(vertices_.end(),
                     {point.x(), point.y(), point.z(), static_cast<float>(colour.redF()),
                      static_cast<float>(colour.greenF()), static_cast<float>(colour.blueF())});
}

void LineBatch::AddLine(const QVector3D& a, const QVector3D& b, const QColor& colour) {
    AddVertex(a, colour);
    AddVertex(b, colour);
}

void LineBatch::AddGrid(double extent, int cells) {
    if (cells < 1 || !(extent > 0.0)) return;
    const QColor line(110, 110, 110);
    const QColor axis(40, 40, 40);
    const auto e = static_cast<float>(extent);
    for (int i = -cells; i <= cells; ++i) {
        const float at = e * static_cast<float>(i) / static_cast<float>(cells);
        const QColor& colour = i == 0 ? axis : line;
        AddLine({at, 0, -e}, {at, 0, e}, colour);
        AddLine({-e, 0, at}, {e, 0, at}, colour);
    }
}

void LineBatch::AddFrustum(const QMatrix4x4& world, const CameraLens& lens, const QColor& colour) {
    const double filmAspect = lens.horizontalFilmAperture / lens.verticalFilmAperture;
    const auto [tanX, tanY] = lens.HalfAngleTangents(filmAspect);
    const float x = lens.orthographic ? static_cast<float>(lens.orthographicWidth / 2.0)
                                      : static_cast<float>(tanX) * kFrustumDepth;
    const float y =
        lens.orthographic ? x / static_cast<float>(filmAspect) : static_cast<float>(tanY) * kFrustumDepth;
    const QVector3D eye = world.map(QVector3D());
    const std::array<QVector3D, 4> gate = {
        world.map({-x, -y, -kFrustumDepth}), world.map({x, -y, -kFrustumDepth}),
        world.map({x, y, -kFrustumDepth}), world.map({-x, y, -kFrustumDepth})};
    for (std::size_t i = 0; i < gate.size(); ++i) {
        AddLine(gate[i], gate[(i + 1) % gate.size()], colour);
        // An orthographic camera's gate is its box's front; it has no apex.
        if (!lens.orthographic) AddLine(eye, gate[i], colour);
    }
    const QVector3D left = world.map({-x * 0.4f, y * 1.1f, -kFrustumDepth});
    const QVector3D right = world.map({x * 0.4f, y * 1.1f, -kFrustumDepth});
    const QVector3D apex = world.map({0, y * 1.5f, -kFrustumDepth});
    AddLine(left, right, colour);
    AddLine(right, apex, colour);
    AddLine(apex, left, colour);
}

void LineBatch::AddCross(const QMatrix4x4& world, double size, const QColor& colour) {
    const auto s = static_cast<float>(size);
    AddLine(world.map({-s, 0, 0}), world.map({s, 0, 0}), colour);
    AddLine(world.map({0, -s, 0}), world.map({0, s, 0}), colour);
    AddLine(world.map({0, 0, -s}), world.map({0, 0, s}), colour);
}

} // namespace vex::host::gui
