#pragma once

#include "interface/CMesh.h"
#include "plugins/carextended/ground/GroundQuery.h"
#include "util/Vector3.h"

#include <embree3/rtcore.h>

#include <cstddef>
#include <memory>
#include <vector>

namespace vex::orb::addon {

/// The ground for static surfaces on Embree: one robust, high-quality scene per surface, in single
/// precision around a local origin at the centre of the surfaces. A call's rays are traced together
/// as one coherent packet of 4, 8 or 16 (several beyond 16), a single ray alone; the nearest hit over
/// all surfaces wins, and its distance is refined in double precision against the hit triangle, so the
/// answers match the Bullet world's.
class FastRayCaster final : public GroundQuery {
public:
    /// The caster over `surfaces` (each prepared with PrepareGroundMesh); null when Embree cannot make
    /// a device or scene, or no surface has a usable triangle. Unusable surfaces keep their number but
    /// are never hit.
    static std::unique_ptr<FastRayCaster> Create(const std::vector<util::CMesh>& surfaces);
    /// Releases the scenes and the device.
    ~FastRayCaster() override;

    FastRayCaster(const FastRayCaster&) = delete;
    FastRayCaster& operator=(const FastRayCaster&) = delete;

    /// Traces the rays as packets; see GroundQuery::Cast.
    void Cast(std::span<const GroundRay> rays, std::span<GroundHit> hits) const override;
    /// Always false: the scenes are built once for static ground.
    bool UpdateSurface(std::size_t index, const util::CMesh& mesh) override;
    /// Number of ground surfaces, usable or not.
    std::size_t SurfaceCount() const override { return scenes_.size(); }

    /// The widest packet Cast uses: 16, 8, 4, or 1 when it traces single rays only.
    int PacketWidth() const { return packetWidth_; }
    /// Caps the packets at `width` (rounded down to 16, 8, 4 or 1, never above what the device supports);
    /// the narrower paths give the same answers.
    void LimitPacketWidth(int width);

private:
    // A triangle's plane in double precision around the local origin: the unit normal and the plane's
    // offset along it (normal · p = offset for its points). 32 bytes on a 32-byte boundary, so the
    // refinement of a hit reads half a cache line.
    struct alignas(32) TrianglePlane {
        util::Vector3<double> normal;
        double offset;
    };

    FastRayCaster() = default;

    // Traces rays[0..count) as one packet of width N, with RayHit the matching Embree packet type.
    template <int N, typename RayHit>
    void TracePacket(const GroundRay* rays, GroundHit* hits, int count) const;
    void TraceSingle(const GroundRay& ray, GroundHit& hit) const;
    // Fills `hit` from the nearest candidate: surface, triangle, and the single-precision distance.
    void Finish(const GroundRay& ray, int surface, unsigned int triangle, float distance,
                GroundHit& hit) const;

    RTCDevice device_ = nullptr;
    std::vector<RTCScene> scenes_;                   // null for a surface without usable triangles
    std::vector<std::vector<TrianglePlane>> planes_; // per surface, indexed by Embree's primitive id
    util::Vector3<double> origin_{};
    int nativeWidth_ = 1;
    int packetWidth_ = 1;
};

} // namespace vex::orb::addon
