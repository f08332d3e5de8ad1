#pragma once

namespace vex::host::command {

class Interpreter;

/// Registers the language's arithmetic functions: abs, floor, ceil, trunc, sqrt, pow, exp, log, sin,
/// cos, tan, asin, acos, atan, atan2, deg_to_rad, rad_to_deg, min, max, clamp, rand and seed (rand is
/// the same sequence after the same seed), and for vectors mag, unit, dot and cross.
void InstallMathFunctions(Interpreter& interpreter);

} // namespace vex::host::command
