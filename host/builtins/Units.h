#pragma once

#include "host/scene/AttributeDefinition.h"
#include "host/scene/Node.h"

namespace vex::host::builtins {

/// Conversions between the units scripts speak (the UI units chosen with currentUnit) and the units
/// the scene stores (centimetres, radians, seconds).
namespace units {

/// The kind of unit an attribute's numbers are in.
enum class Kind { kNone, kLinear, kAngular };

/// Lengths for translations and camera distances, angles for rotations, none for the rest.
Kind KindOf(const AttributeDefinition& attribute);
/// The unit of the values of an anim curve node's keys (lengths for animCurveTL, angles for
/// animCurveTA).
Kind CurveValueKind(const Node& node);
/// A number as a script gave it, in the scene's unit.
double ToInternal(Kind kind, double value);
/// A stored number in the script's unit.
double ToUi(Kind kind, double value);
/// Frames of the UI time unit to seconds and back.
double FramesToSeconds(double frames);
double SecondsToFrames(double seconds);

} // namespace units

} // namespace vex::host::builtins
