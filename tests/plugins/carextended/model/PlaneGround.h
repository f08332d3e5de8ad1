#pragma once

#include "plugins/carextended/ground/GroundQuery.h"
#include "util/Vector3.h"

#include <cstddef>
#include <span>
#include <vector>

namespace vex::orb::addon::test {

/// An exact ground for the model's tests: a union of planes, each kept to one side of a bounding
/// height (a plane's hits count only where they are not below `floor` along the plane's normal).
/// It answers as a ray caster does: the nearest hit within the ray's length, the normal facing the
/// ray's origin.
class PlaneGround : public GroundQuery {
public:
    struct Plane {
        util::Vector3<double> point{};
        util::Vector3<double> normal{0.0, 1.0, 0.0};
        /// Hits farther than this from `point` are ignored (0: the plane is infinite).
        double extent = 0.0;
    };

    PlaneGround() = default;
    explicit PlaneGround(std::vector<Plane> planes) : planes(std::move(planes)) {}

    void Cast(std::span<const GroundRay> rays, std::span<GroundHit> hits) const override {
        for (std::size_t i = 0; i < rays.size(); ++i) hits[i] = CastOne(rays[i]);
    }
    bool UpdateSurface(std::size_t index, const util::CMesh& mesh) override {
        (void)index;
        (void)mesh;
        return false;
    }
    std::size_t SurfaceCount() const override { return planes.size(); }

    std::vector<Plane> planes;

private:
    GroundHit CastOne(const GroundRay& ray) const {
        GroundHit best;
        for (std::size_t k = 0; k < planes.size(); ++k) {
            const Plane& plane = planes[k];
            const double along = util::Dot(ray.direction, plane.normal);
            if (along == 0.0) continue;
            const double t = util::Dot(plane.point - ray.origin, plane.normal) / along;
            if (t < 0.0 || t > ray.length || (best.hit && t >= best.distance)) continue;
            const util::Vector3<double> point = ray.origin + ray.direction * t;
            if (plane.extent > 0.0 && util::Length(point - plane.point) > plane.extent) continue;
            best = {true, t, point, along < 0.0 ? plane.normal : -plane.normal, static_cast<int>(k)};
        }
        return best;
    }
};

} // namespace vex::orb::addon::test
