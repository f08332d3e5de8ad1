#pragma once

#include "plugins/carextended/ground/GroundHit.h"
#include "plugins/carextended/ground/GroundRay.h"

#include <cstddef>
#include <span>

namespace vex::util {
class CMesh;
}

namespace vex::orb::addon {

/// The car's view of the ground: ray queries against the ground surfaces, nothing else. The Bullet
/// world and the fast ray caster both implement it and answer the same hits for the same rays, so the
/// vehicle model does not know which one runs. Queries keep no state between calls.
class GroundQuery {
public:
    virtual ~GroundQuery() = default;

    /// Casts each ray of `rays` and writes its answer to the entry of `hits` with the same index
    /// (`hits` is at least as long as `rays`). The rays of one call are one wheel's detection points,
    /// close together and nearly parallel, which a caster may trace together.
    virtual void Cast(std::span<const GroundRay> rays, std::span<GroundHit> hits) const = 0;

    /// Replaces the world-space triangles of surface `index` (a ground that is animated); false when
    /// the index is out of range, the mesh has no usable triangle, or the caster only serves static
    /// ground.
    virtual bool UpdateSurface(std::size_t index, const util::CMesh& mesh) = 0;

    /// Number of ground surfaces the caster holds.
    virtual std::size_t SurfaceCount() const = 0;
};

} // namespace vex::orb::addon
