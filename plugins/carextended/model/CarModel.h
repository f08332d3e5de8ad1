#pragma once

#include "plugins/carextended/model/CarEnvironment.h"
#include "plugins/carextended/model/CarGeometry.h"
#include "plugins/carextended/model/CarInputIndex.h"
#include "plugins/carextended/model/CarParameters.h"
#include "plugins/carextended/model/CarPose.h"
#include "plugins/carextended/model/CarState.h"
#include "plugins/carextended/model/WheelProbe.h"
#include "util/QTransform.h"

#include <array>

namespace vex::orb::addon {

/// The raw channel values of a frame, in channel order (−1 … 1, buttons 0 or 1).
using CarRawInputs = std::array<double, kCarInputCount>;

/// The four-wheeler's dynamics: a rigid body on four ray-cast wheels with spring-damper suspension and
/// tyre friction, integrated in fixed sub-steps of 1/600 s whatever the frame rate. It makes no host
/// call and keeps nothing between calls: all that evolves is in CarState. docs/VEHICLE_MODEL.md gives
/// the equations.
class CarModel {
public:
    /// The fixed sub-step.
    static constexpr double kSubStep = 1.0 / 600.0;
    /// Where the follow camera aims to be, in the car's frame and car lengths: behind and above.
    static constexpr util::Vector3<double> kFollowCamOffset{0.0, 0.45, 1.7};

    /// A model of the rig `geometry` with the settings `parameters`; both must outlive it.
    CarModel(const CarParameters& parameters, const CarGeometry& geometry);

    /// A fresh state for a car whose frame is `pose`, standing still on its springs: each wheel sunk
    /// by its static sag and the body at rest, moving forwards at the initial velocity when one is set.
    CarState Start(const util::QTransform<double>& pose, const CarEnvironment& environment) const;
    /// Advances `state` by `duration` seconds with the frame's raw inputs: every whole sub-step the
    /// pending time allows is integrated, the rest waits for the next call.
    void Advance(CarState& state, const CarRawInputs& raw, const CarEnvironment& environment,
                 double duration) const;
    /// One sub-step of the dynamics.
    void SubStep(CarState& state, const CarRawInputs& raw, const CarEnvironment& environment) const;
    /// The scene's view of `state`.
    CarPose Pose(const CarState& state) const;

    /// The top speed in world units per second: the gas pedal's maximum times the scale.
    double TopSpeed() const;
    /// The drive's acceleration in world units per second².
    double DriveAcceleration() const;
    /// The corner's natural angular frequency squared (1/s²): suspension and tyre springs in series.
    double CornerStiffness(int wheel) const;
    /// The effective wheel radius the ground sees.
    double WheelRadius(int wheel) const;
    /// How far the ground may push a wheel up before its bump stop: 0.6 radius, or the static
    /// sag and a half for a soft corner, so a soft car rests on its springs and not on its stops.
    double BumpTravel(int wheel) const;
    /// The wheel's ground detection frame for the car's frame `pose`, its steering angle and reach.
    WheelFrame Frame(const util::QTransform<double>& pose, int wheel, double steer, double reach) const;

private:
    /// After a sub-step: the drawn wheels' droop, the body's place on its base and the follow camera.
    void UpdateLook(CarState& state, const util::Vector3<double>& down) const;

    const CarParameters& parameters_;
    const CarGeometry& geometry_;
};

} // namespace vex::orb::addon
