#pragma once

#include <cmath>

// The operations of the function nodes that the standard library does not provide as function objects.
namespace vex::orb::core::DediDavazi_Default {

/// fmod(a, b).
struct Fmod {
    double operator()(double a, double b) const { return std::fmod(a, b); }
};
/// pow(a, b).
struct Pow {
    double operator()(double a, double b) const { return std::pow(a, b); }
};
/// atan2(a, b).
struct Atan2 {
    double operator()(double a, double b) const { return std::atan2(a, b); }
};
/// atan(a).
struct Atan {
    double operator()(double a) const { return std::atan(a); }
};
/// tan(a).
struct Tan {
    double operator()(double a) const { return std::tan(a); }
};
/// sin(a).
struct Sin {
    double operator()(double a) const { return std::sin(a); }
};
/// cos(a).
struct Cos {
    double operator()(double a) const { return std::cos(a); }
};
/// 1 / a.
struct Invert {
    double operator()(double a) const { return 1.0 / a; }
};

} // namespace vex::orb::core::DediDavazi_Default
