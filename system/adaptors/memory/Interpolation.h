#pragma once

#include "util/Matrix.h"

namespace vex::orb::adaptor::memory {

/// The value a fraction `f` (0 to 1) of the way from `a` to `b`: linear.
double Interpolate(double a, double b, double f);

/// The transform a fraction `f` of the way from `a` to `b`: translation and scale linear, rotation
/// along the shorter great arc.
util::Matrix<double> Interpolate(const util::Matrix<double>& a, const util::Matrix<double>& b, double f);

} // namespace vex::orb::adaptor::memory
