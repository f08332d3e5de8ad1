#include "plugins/carextended/ground/BulletGround.h"

#include "plugins/carextended/ground/BulletSurface.h"
#include "plugins/carextended/ground/GroundMeshCheck.h"

#include <BulletDynamics/Vehicle/btRaycastVehicle.h>
#include <btBulletDynamicsCommon.h>

#include <algorithm>
#include <cmath>

namespace vex::orb::addon {

namespace {

using util::Vector3;

// Room around the surfaces' bounds for the broadphase, in metres and as a share of the extent, so that
// animated ground can move a little before the world has to be rebuilt.
constexpr double kWorldMargin = 10.0;
constexpr double kWorldMarginShare = 0.25;

Vector3<double> ToVector(const btVector3& v) {
    return {v.x(), v.y(), v.z()};
}

btVector3 ToBullet(const Vector3<double>& v) {
    return {static_cast<btScalar>(v.x), static_cast<btScalar>(v.y), static_cast<btScalar>(v.z)};
}

double Dot(const Vector3<double>& a, const Vector3<double>& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// The mesh moved by -origin.
util::CMesh Shifted(const util::CMesh& mesh, const Vector3<double>& origin) {
    util::CMesh out;
    out.faces = mesh.faces;
    out.vertices.reserve(mesh.vertices.size());
    for (const Vector3<double>& v : mesh.vertices) out.vertices.push_back(v - origin);
    return out;
}

bool Inside(const btVector3& lo, const btVector3& hi, const Vector3<double>& worldMin,
            const Vector3<double>& worldMax) {
    return lo.x() >= worldMin.x && lo.y() >= worldMin.y && lo.z() >= worldMin.z && hi.x() <= worldMax.x &&
           hi.y() <= worldMax.y && hi.z() <= worldMax.z;
}

} // namespace

std::unique_ptr<BulletGround> BulletGround::Create(const std::vector<util::CMesh>& surfaces) {
    std::vector<util::CMesh> prepared(surfaces.size());
    Vector3<double> lo{HUGE_VAL, HUGE_VAL, HUGE_VAL};
    Vector3<double> hi{-HUGE_VAL, -HUGE_VAL, -HUGE_VAL};
    bool any = false;
    for (std::size_t s = 0; s < surfaces.size(); ++s) {
        if (PrepareGroundMesh(surfaces[s], prepared[s]) != GroundMeshStatus::kUsable) continue;
        any = true;
        for (const Vector3<double>& v : prepared[s].vertices) {
            lo = {std::min(lo.x, v.x), std::min(lo.y, v.y), std::min(lo.z, v.z)};
            hi = {std::max(hi.x, v.x), std::max(hi.y, v.y), std::max(hi.z, v.z)};
        }
    }
    if (!any) return nullptr;

    std::unique_ptr<BulletGround> ground(new BulletGround());
    ground->origin_ = (lo + hi) * 0.5;
    for (std::size_t s = 0; s < prepared.size(); ++s) {
        if (prepared[s].faces.empty()) {
            ground->surfaces_.push_back(nullptr);
            continue;
        }
        ground->surfaces_.push_back(
            std::make_unique<BulletSurface>(Shifted(prepared[s], ground->origin_), static_cast<int>(s)));
    }
    ground->BuildWorld();
    return ground;
}

BulletGround::~BulletGround() {
    DestroyWorld();
}

void BulletGround::DestroyWorld() {
    if (world_) {
        for (const auto& surface : surfaces_) {
            if (surface) world_->removeRigidBody(surface->Body());
        }
    }
    raycaster_.reset();
    world_.reset();
    solver_.reset();
    broadphase_.reset();
    dispatcher_.reset();
    configuration_.reset();
}

void BulletGround::BuildWorld() {
    DestroyWorld();
    btVector3 lo(BT_LARGE_FLOAT, BT_LARGE_FLOAT, BT_LARGE_FLOAT);
    btVector3 hi(-BT_LARGE_FLOAT, -BT_LARGE_FLOAT, -BT_LARGE_FLOAT);
    for (const auto& surface : surfaces_) {
        if (!surface) continue;
        lo.setMin(surface->BoundsMin());
        hi.setMax(surface->BoundsMax());
    }
    const Vector3<double> extent = ToVector(hi - lo);
    const double margin = kWorldMargin + kWorldMarginShare * std::max({extent.x, extent.y, extent.z});
    worldMin_ = ToVector(lo) - Vector3<double>{margin, margin, margin};
    worldMax_ = ToVector(hi) + Vector3<double>{margin, margin, margin};

    configuration_ = std::make_unique<btDefaultCollisionConfiguration>();
    dispatcher_ = std::make_unique<btCollisionDispatcher>(configuration_.get());
    broadphase_ = std::make_unique<btAxisSweep3>(ToBullet(worldMin_), ToBullet(worldMax_));
    solver_ = std::make_unique<btSequentialImpulseConstraintSolver>();
    world_ = std::make_unique<btDiscreteDynamicsWorld>(dispatcher_.get(), broadphase_.get(), solver_.get(),
                                                       configuration_.get());
    for (const auto& surface : surfaces_) {
        if (surface) world_->addRigidBody(surface->Body());
    }
    raycaster_ = std::make_unique<btDefaultVehicleRaycaster>(world_.get());
}

void BulletGround::Cast(std::span<const GroundRay> rays, std::span<GroundHit> hits) const {
    for (std::size_t r = 0; r < rays.size(); ++r) {
        const GroundRay& ray = rays[r];
        GroundHit& hit = hits[r];
        hit = GroundHit{};
        if (!(ray.length > 0.0) || !std::isfinite(ray.length)) continue;
        const Vector3<double> from = ray.origin - origin_;
        const Vector3<double> to = from + ray.direction * ray.length;
        btVehicleRaycaster::btVehicleRaycasterResult result;
        const void* body = raycaster_->castRay(ToBullet(from), ToBullet(to), result);
        if (!body) continue;
        hit.hit = true;
        hit.distance = static_cast<double>(result.m_distFraction) * ray.length;
        hit.point = ray.origin + ray.direction * hit.distance;
        Vector3<double> normal = ToVector(result.m_hitNormalInWorld);
        const double length = std::sqrt(Dot(normal, normal));
        if (length > 0.0) normal /= length;
        if (Dot(normal, ray.direction) > 0.0) normal = -normal;
        hit.normal = normal;
        hit.surface = static_cast<const btCollisionObject*>(body)->getUserIndex();
    }
}

bool BulletGround::UpdateSurface(std::size_t index, const util::CMesh& mesh) {
    if (index >= surfaces_.size()) return false;
    util::CMesh prepared;
    if (PrepareGroundMesh(mesh, prepared) != GroundMeshStatus::kUsable) return false;
    const util::CMesh local = Shifted(prepared, origin_);
    auto& surface = surfaces_[index];
    if (surface) {
        world_->removeRigidBody(surface->Body());
        surface->Replace(local);
        lastRefitted_ = surface->WasRefitted();
    } else {
        surface = std::make_unique<BulletSurface>(local, static_cast<int>(index));
        lastRefitted_ = false;
    }
    world_->addRigidBody(surface->Body());
    // When the ground moved out of the broadphase's bounds, the world is built again around it.
    if (!Inside(surface->BoundsMin(), surface->BoundsMax(), worldMin_, worldMax_)) BuildWorld();
    return true;
}

} // namespace vex::orb::addon
