#pragma once

#include <QMatrix4x4>
#include <QVector3D>

namespace vex::host::gui {

/// The viewport's own perspective view: an eye orbiting a centre of interest, moved with the mouse the way
/// a 3D animation host moves it (tumble, track, dolly, frame). Angles are in degrees; Y is up.
class ViewCamera {
public:
    /// The default view: looking at the origin from above and to the front right, as a new scene's
    /// perspective camera does.
    ViewCamera();

    /// Turns the eye about the centre of interest: `yaw` about the up axis, `pitch` up or down (kept short
    /// of straight up or down so the view never flips).
    void Tumble(double yawDegrees, double pitchDegrees);
    /// Moves the eye and the centre together across the view by a fraction of the view's height at the
    /// centre of interest (1 moves by one view height), so a drag moves the scene with the mouse.
    void Track(double right, double up);
    /// Moves the eye towards the centre of interest: a factor below 1 comes closer, above 1 goes away.
    void Dolly(double factor);
    /// Centres the box from `low` to `high` and comes close enough to see all of it in a view of width /
    /// height `aspect`.
    void frame(const QVector3D& low, const QVector3D& high, double aspect);
    /// Takes the pose of another camera (its eye and viewing direction) and keeps the current distance
    /// to the centre of interest, so navigation goes on from what that camera showed.
    void SetPose(const QVector3D& eye, const QVector3D& forward);

    QVector3D Centre() const { return centre_; }
    QVector3D Eye() const;
    double Distance() const { return distance_; }
    /// The vertical field of view in degrees.
    double FieldOfView() const { return fieldOfView_; }

    /// World to view (the view looks down its -Z).
    QMatrix4x4 ViewMatrix() const;
    /// View to clip space for a view of the given width / height.
    QMatrix4x4 ProjectionMatrix(double aspect) const;

private:
    QVector3D centre_;
    double distance_;
    double yaw_;   // about Y, 0 looks down -Z
    double pitch_; // positive looks down at the centre
    double fieldOfView_ = 40.0;
};

} // namespace vex::host::gui
