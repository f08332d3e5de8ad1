#pragma once

#include "interface/CMesh.h"

#include <cstdint>

namespace vex::orb::addon {

// Generated ground surfaces for tests, benchmarks, examples and the default rig. Every shape is a grid
// of `cells` × `cells` squares, two triangles each, wound counter-clockwise seen from the side the
// normal points to (+y for the floors), centred on the origin in x and z.

/// A flat square floor of side `size` at height `height`.
util::CMesh MakeFlatGround(double size, int cells, double height = 0.0);

/// A plane of side `size` through the origin, rising along +x at `angle` radians.
util::CMesh MakeSlope(double size, int cells, double angle);

/// Smooth rolling hills of side `size` with heights within ±`amplitude`; the same `seed` gives the
/// same terrain on every machine.
util::CMesh MakeTerrain(double size, int cells, double amplitude, std::uint32_t seed);

} // namespace vex::orb::addon
