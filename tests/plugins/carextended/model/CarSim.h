#pragma once

#include "plugins/carextended/model/CarModel.h"
#include "tests/plugins/carextended/model/PlaneGround.h"
#include "util/MathOps.h"

#include <cmath>
#include <functional>

namespace vex::orb::addon::test {

/// A car of the default geometry (4.2 m) on a test ground, run frame by frame as the tool runs it.
struct CarSim {
    static constexpr double kScale = 4.2;

    CarParameters parameters{};
    CarGeometry geometry = CarGeometry::Default(kScale);
    PlaneGround ground{{{}}};
    CarEnvironment environment{};
    CarState state{};
    CarRawInputs raw{};
    double time = 0.0;

    CarSim() {
        environment.ground = &ground;
        // Instant pedals unless a test wants the filters.
        for (CarInput& input : parameters.inputs) input.responseFactor = 0.0;
    }

    CarModel Model() const { return CarModel(parameters, geometry); }

    /// Starts the car standing on its springs with its frame at `pose`.
    void Start(const util::QTransform<double>& pose = {{}, {0.0, 0.0, 0.0, 1.0}}) {
        state = Model().Start(pose, environment);
        time = 0.0;
    }

    /// Runs `seconds` at `fps`, calling `each` after every frame.
    void Run(double seconds, double fps = 25.0, const std::function<void(const CarState&)>& each = {}) {
        const CarModel model = Model();
        const int frames = static_cast<int>(std::lround(seconds * fps));
        for (int f = 0; f < frames; ++f) {
            model.Advance(state, raw, environment, 1.0 / fps);
            time += 1.0 / fps;
            if (each) each(state);
        }
    }

    /// World position of the midpoint of the back axle.
    util::Vector3<double> BackAxle() const {
        return util::TransformPoint(state.pose, 0.5 * (geometry.wheelCentres[2] + geometry.wheelCentres[3]));
    }
    double Speed() const { return util::Length(state.velocity); }
    /// Sets the gas pedal's maximum so that full gas wants `speed` (m/s).
    void SetTopSpeed(double speed) { parameters.inputs[kGasPedal].maximum = speed / kScale; }
};

} // namespace vex::orb::addon::test
