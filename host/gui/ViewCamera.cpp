#include "host/gui/ViewCamera.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vex::host::gui {

namespace {

constexpr double kDegrees = 180.0 / std::numbers::pi;
constexpr double kPitchLimit = 89.0;
// The nearest and farthest the eye may come: beyond these a dolly step would lose precision or reach.
constexpr double kMinDistance = 1e-3;
constexpr double kMaxDistance = 1e7;

} // namespace

ViewCamera::ViewCamera() : distance_(std::sqrt(28.0 * 28.0 * 2 + 21.0 * 21.0)), yaw_(0.0), pitch_(0.0) {
    // The eye a new scene's perspective camera has, at (28, 21, 28) looking at the origin.
    SetPose({28.0f, 21.0f, 28.0f}, {-28.0f, -21.0f, -28.0f});
}

void ViewCamera::Tumble(double yawDegrees, double pitchDegrees) {
    yaw_ = std::remainder(yaw_ + yawDegrees, 360.0);
    pitch_ = std::clamp(pitch_ + pitchDegrees, -kPitchLimit, kPitchLimit);
}

void ViewCamera::Track(double right, double up) {
    const double height = 2.0 * distance_ * std::tan(fieldOfView_ / 2.0 / kDegrees);
    const QMatrix4x4 toWorld = ViewMatrix().inverted();
    const QVector3D rightAxis = toWorld.mapVector({1, 0, 0});
    const QVector3D upAxis = toWorld.mapVector({0, 1, 0});
    centre_ += (rightAxis * static_cast<float>(right) + upAxis * static_cast<float>(up)) *
               static_cast<float>(height);
}

void ViewCamera::Dolly(double factor) {
    if (!(factor > 0.0) || !std::isfinite(factor)) return;
    distance_ = std::clamp(distance_ * factor, kMinDistance, kMaxDistance);
}

void ViewCamera::frame(const QVector3D& low, const QVector3D& high, double aspect) {
    centre_ = (low + high) / 2.0f;
    // The box's bounding sphere fits the narrower of the view's angles with a little room around it.
    const double radius = std::max(0.5 * (high - low).length(), 1e-2);
    const double halfHeight = fieldOfView_ / 2.0 / kDegrees;
    const double halfWidth = std::atan(std::tan(halfHeight) * std::max(aspect, 1e-3));
    distance_ =
        std::clamp(1.1 * radius / std::sin(std::min(halfHeight, halfWidth)), kMinDistance, kMaxDistance);
}

void ViewCamera::SetPose(const QVector3D& eye, const QVector3D& forward) {
    const QVector3D f = forward.normalized();
    if (f.isNull()) return;
    pitch_ = std::clamp(-std::asin(std::clamp(static_cast<double>(f.y()), -1.0, 1.0)) * kDegrees,
                        -kPitchLimit, kPitchLimit);
    yaw_ = std::atan2(-f.x(), -f.z()) * kDegrees;
    centre_ = eye + f * static_cast<float>(distance_);
}

QVector3D ViewCamera::Eye() const {
    const double yaw = yaw_ / kDegrees;
    const double pitch = pitch_ / kDegrees;
    // The direction from the centre back to the eye.
    const QVector3D back(static_cast<float>(std::sin(yaw) * std::cos(pitch)),
                         static_cast<float>(std::sin(pitch)),
                         static_cast<float>(std::cos(yaw) * std::cos(pitch)));
    return centre_ + back * static_cast<float>(distance_);
}

QMatrix4x4 ViewCamera::ViewMatrix() const {
    QMatrix4x4 view;
    view.lookAt(Eye(), centre_, {0, 1, 0});
    return view;
}

QMatrix4x4 ViewCamera::ProjectionMatrix(double aspect) const {
    QMatrix4x4 projection;
    // Near and far follow the distance, so both a 1 cm prop and a 10 km terrain stay inside them.
    projection.perspective(static_cast<float>(fieldOfView_), static_cast<float>(std::max(aspect, 1e-3)),
                           static_cast<float>(distance_ * 1e-3), static_cast<float>(distance_ * 1e3 + 1e3));
    return projection;
}

} // namespace vex::host::gui
