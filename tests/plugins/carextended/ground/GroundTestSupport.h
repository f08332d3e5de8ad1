#pragma once

#include "plugins/carextended/ground/BulletGround.h"
#include "plugins/carextended/ground/FastRayCaster.h"
#include "plugins/carextended/ground/GroundQuery.h"

#include <cmath>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace vex::orb::addon::test {

/// The two ground casters the tests run against.
enum class CasterKind { kBullet, kFast };

/// Readable test names for parameterised cases.
inline std::string CasterName(CasterKind kind) {
    return kind == CasterKind::kBullet ? "Bullet" : "Fast";
}

/// Builds a caster of `kind` over `surfaces`.
inline std::unique_ptr<GroundQuery> MakeCaster(CasterKind kind, const std::vector<util::CMesh>& surfaces) {
    if (kind == CasterKind::kBullet) return BulletGround::Create(surfaces);
    return FastRayCaster::Create(surfaces);
}

/// Dot product of two vectors.
inline double Dot(const util::Vector3<double>& a, const util::Vector3<double>& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

/// `v` scaled to unit length.
inline util::Vector3<double> Unit(const util::Vector3<double>& v) {
    return v / std::sqrt(Dot(v, v));
}

/// A ray from `from` towards `to`, `extra` metres longer than the distance between them.
inline GroundRay RayThrough(const util::Vector3<double>& from, const util::Vector3<double>& to,
                            double extra) {
    const util::Vector3<double> d = to - from;
    const double length = std::sqrt(Dot(d, d));
    return {from, d / length, length + extra};
}

/// Casts one ray on its own.
inline GroundHit CastOne(const GroundQuery& caster, const GroundRay& ray) {
    GroundHit hit;
    caster.Cast({&ray, 1}, {&hit, 1});
    return hit;
}

/// A wheel's bundle of `count` nearly parallel rays around `centre`: a shared tilted direction with a
/// small spread per ray, origins scattered over a tyre-sized patch.
inline std::vector<GroundRay> WheelBundle(std::mt19937& random, const util::Vector3<double>& centre,
                                          const util::Vector3<double>& direction, double length, int count) {
    std::uniform_real_distribution<double> spread(-1.0, 1.0);
    std::vector<GroundRay> rays;
    for (int i = 0; i < count; ++i) {
        const util::Vector3<double> origin =
            centre +
            util::Vector3<double>{0.15 * spread(random), 0.02 * spread(random), 0.15 * spread(random)};
        const util::Vector3<double> d =
            Unit(direction + util::Vector3<double>{0.03 * spread(random), 0.0, 0.03 * spread(random)});
        rays.push_back({origin, d, length * (1.0 + 0.05 * spread(random))});
    }
    return rays;
}

} // namespace vex::orb::addon::test
