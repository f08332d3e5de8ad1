#pragma once

#include "util/Matrix.h"

namespace vex::examples {

/// A hand-held camera walking forward: a slow weave across the path, a bobbing step, and the
/// irregular shake of a hand, all deterministic so every run shows the same take.
util::Matrix<double> HandHeldPose(double t);

} // namespace vex::examples
