#include "host/gui/CameraLens.h"

#include "host/scene/Scene.h"

#include <algorithm>
#include <cmath>

namespace vex::host::gui {

namespace {

constexpr double kMillimetresPerInch = 25.4;

double ReadDouble(const Node& node, const char* name, double fallback) {
    const AttributePtr attribute = node.FindAttribute(name);
    if (!attribute) return fallback;
    const double value = ToDouble(Scene::Instance().evaluate(node, *attribute));
    return std::isfinite(value) ? value : fallback;
}

} // namespace

CameraLens CameraLens::Read(const Node& cameraShape) {
    CameraLens lens;
    lens.focalLength = std::max(ReadDouble(cameraShape, "focalLength", lens.focalLength), 1e-3);
    lens.horizontalFilmAperture = std::max(ReadDouble(cameraShape, "horizontalFilmAperture", 1.41732), 1e-6);
    lens.verticalFilmAperture = std::max(ReadDouble(cameraShape, "verticalFilmAperture", 0.94488), 1e-6);
    lens.nearClipPlane = std::max(ReadDouble(cameraShape, "nearClipPlane", 0.1), 1e-6);
    lens.farClipPlane = std::max(ReadDouble(cameraShape, "farClipPlane", 10000.0), lens.nearClipPlane * 2.0);
    lens.orthographic = ReadDouble(cameraShape, "orthographic", 0.0) != 0.0;
    lens.orthographicWidth = std::max(ReadDouble(cameraShape, "orthographicWidth", 10.0), 1e-6);
    return lens;
}

std::pair<double, double> CameraLens::HalfAngleTangents(double aspect) const {
    aspect = std::max(aspect, 1e-3);
    const double filmAspect = horizontalFilmAperture / verticalFilmAperture;
    if (aspect >= filmAspect) {
        const double horizontal = horizontalFilmAperture * kMillimetresPerInch / 2.0 / focalLength;
        return {horizontal, horizontal / aspect};
    }
    const double vertical = verticalFilmAperture * kMillimetresPerInch / 2.0 / focalLength;
    return {vertical * aspect, vertical};
}

QMatrix4x4 CameraLens::ProjectionMatrix(double aspect) const {
    QMatrix4x4 projection;
    aspect = std::max(aspect, 1e-3);
    if (orthographic) {
        const auto halfWidth = static_cast<float>(orthographicWidth / 2.0);
        const auto halfHeight = static_cast<float>(orthographicWidth / 2.0 / aspect);
        projection.ortho(-halfWidth, halfWidth, -halfHeight, halfHeight, static_cast<float>(nearClipPlane),
                         static_cast<float>(farClipPlane));
        return projection;
    }
    const auto [right, top] = HalfAngleTangents(aspect);
    const auto n = static_cast<float>(nearClipPlane);
    projection.frustum(-static_cast<float>(right) * n, static_cast<float>(right) * n,
                       -static_cast<float>(top) * n, static_cast<float>(top) * n, n,
                       static_cast<float>(farClipPlane));
    return projection;
}

} // namespace vex::host::gui
