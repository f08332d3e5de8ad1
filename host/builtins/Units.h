#pragma once

#include "host/scene/AttributeDefinition.h"

namespace vex::host::builtins {

/// Conversions between the units scripts speak (the UI units chosen with currentUnit) and the units
/// the scene stores (centimetres, radians, seconds).
namespace units {

/// The kind of unit an attribute's numbers are in.
enum class Kind { None, Linear, Angular };

/// Lengths for translations and camera distances, angles for rotations, none for the rest.
Kind kindOf(const AttributeDefinition& attribute);
/// A number as a script gave it, in the scene's unit.
double toInternal(Kind kind, double value);
/// A stored number in the script's unit.
double toUi(Kind kind, double value);
/// Frames of the UI time unit to seconds and back.
double framesToSeconds(double frames);
double secondsToFrames(double seconds);

} // namespace units

} // namespace vex::host::builtins
