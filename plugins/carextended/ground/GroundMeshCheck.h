#pragma once

namespace vex::util {
class CMesh;
}

namespace vex::orb::addon {

/// What a ground surface's geometry is good for.
enum class GroundMeshStatus {
    kUsable, ///< at least one usable triangle remains
    kEmpty,  ///< no vertices or no faces at all
    kInvalid ///< faces exist, but none is a usable triangle
};

/// Copies into `out` the triangles of `in` that a ray caster can use: whole triangles whose three
/// indices lie within the vertices, whose vertices are finite, and whose area is not zero. Unused
/// vertices are dropped and the rest renumbered in order of first use.
GroundMeshStatus PrepareGroundMesh(const util::CMesh& in, util::CMesh& out);

} // namespace vex::orb::addon
