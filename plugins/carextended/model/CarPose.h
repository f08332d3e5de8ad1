#pragma once

#include "util/QTransform.h"
#include "util/Vector3.h"

#include <array>

namespace vex::orb::addon {

/// One wheel as the scene shows it, in the car's base frame.
struct WheelPose {
    /// The wheel: at its centre, turned by its steering angle and rolled by its spin.
    util::QTransform<double> wheel{};
    /// The wheel centre as the suspension moves it, turned by the steering angle only.
    util::QTransform<double> suspension{};
    /// The ground contact (or the wheel's bottom in the air), turned to the ground's incline.
    util::QTransform<double> contact{};
    /// The wheel's bottom point straight below its centre, on the body's axes.
    util::Vector3<double> bottom{};
    bool inTheAir = true;
};

/// What the model's state shows in the scene: the nodes' transforms and the gauges' sources.
struct CarPose {
    /// The CarBodyBaseMesh in the world.
    util::QTransform<double> base{};
    /// The CarBodyMesh relative to its base: heave, pitch and roll.
    util::QTransform<double> body{};
    std::array<WheelPose, 4> wheels{};
    /// The steering angle (radians, right positive).
    double steeringAngle = 0.0;
    /// Forward speed, world units per second.
    double speed = 0.0;
    /// The follow camera and the top-view camera in the world.
    util::QTransform<double> followCam{};
    util::QTransform<double> topViewCam{};
};

} // namespace vex::orb::addon
