#pragma once

#include "plugins/carextended/ground/GroundQuery.h"
#include "util/Vector3.h"

#include <cstddef>
#include <memory>
#include <vector>

class btAxisSweep3;
class btCollisionDispatcher;
class btDefaultCollisionConfiguration;
class btDefaultVehicleRaycaster;
class btDiscreteDynamicsWorld;
class btSequentialImpulseConstraintSolver;

namespace vex::orb::addon {

class BulletSurface;

/// The ground as a Bullet collision world: a discrete dynamics world over an axis-sweep broadphase,
/// one static BVH triangle-mesh body per ground surface, and the vehicle raycaster that the wheels'
/// rays go through. The world's frame is the world space moved to a local origin at the centre of the
/// surfaces, so single precision keeps its resolution on large terrain.
class BulletGround final : public GroundQuery {
public:
    /// The world over `surfaces` (each prepared with PrepareGroundMesh); null when none has a usable
    /// triangle. Surfaces without one stay in the numbering but are never hit.
    static std::unique_ptr<BulletGround> Create(const std::vector<util::CMesh>& surfaces);
    /// Takes the bodies out of the world and frees the world and its parts.
    ~BulletGround() override;

    BulletGround(const BulletGround&) = delete;
    BulletGround& operator=(const BulletGround&) = delete;

    /// Casts each ray through the vehicle raycaster; see GroundQuery::Cast.
    void Cast(std::span<const GroundRay> rays, std::span<GroundHit> hits) const override;
    /// Replaces a surface's triangles, refitting its tree when the faces are unchanged.
    bool UpdateSurface(std::size_t index, const util::CMesh& mesh) override;
    /// Number of ground surfaces, usable or not.
    std::size_t SurfaceCount() const override { return surfaces_.size(); }

    /// The collision world, for queries straight through Bullet (its frame starts at LocalOrigin()).
    btDiscreteDynamicsWorld& World() const { return *world_; }
    /// The world-space point at the Bullet world's origin.
    const util::Vector3<double>& LocalOrigin() const { return origin_; }
    /// True when the last UpdateSurface refitted the surface's tree rather than rebuilding it.
    bool LastUpdateRefitted() const { return lastRefitted_; }

private:
    BulletGround() = default;
    // (Re)creates the broadphase and world over the current surfaces' bounds and adds their bodies.
    void BuildWorld();
    void DestroyWorld();

    util::Vector3<double> origin_{};
    std::vector<std::unique_ptr<BulletSurface>> surfaces_;
    util::Vector3<double> worldMin_{};
    util::Vector3<double> worldMax_{};
    std::unique_ptr<btDefaultCollisionConfiguration> configuration_;
    std::unique_ptr<btCollisionDispatcher> dispatcher_;
    std::unique_ptr<btAxisSweep3> broadphase_;
    std::unique_ptr<btSequentialImpulseConstraintSolver> solver_;
    std::unique_ptr<btDiscreteDynamicsWorld> world_;
    std::unique_ptr<btDefaultVehicleRaycaster> raycaster_;
    bool lastRefitted_ = false;
};

} // namespace vex::orb::addon
