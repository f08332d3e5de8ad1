#include "system/adaptors/maya/LensConversion.h"

#include <cmath>

namespace vex::orb::adaptor::maya {

namespace {

constexpr float kHalfDegreeInRadians = 0.00872665f; // π / 360: half the angle, in radians
constexpr float kInchesPerMillimetre = 0.03937f;
constexpr float kTwoRadiansInDegrees = 114.59156f; // 360 / π: twice the angle, in degrees

} // namespace

float LensConversion::FocalLength(float aperture, float fieldOfView) {
    return aperture * 0.5f / (std::tan(fieldOfView * kHalfDegreeInRadians) * kInchesPerMillimetre);
}

float LensConversion::FieldOfView(float aperture, float focalLength) {
    return std::atan(aperture * 0.5f / (focalLength * kInchesPerMillimetre)) * kTwoRadiansInDegrees;
}

} // namespace vex::orb::adaptor::maya
