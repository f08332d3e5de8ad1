#include "plugins/carextended/ground/FastRayCaster.h"

#include "plugins/carextended/ground/GroundMeshCheck.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vex::orb::addon {

namespace {

using util::Vector3;

double Dot(const Vector3<double>& a, const Vector3<double>& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vector3<double> Cross(const Vector3<double>& a, const Vector3<double>& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

bool IsTraceable(const GroundRay& ray) {
    return ray.length > 0.0 && std::isfinite(ray.length);
}

void Intersect(const int* valid, RTCScene scene, RTCIntersectContext* context, RTCRayHit4* packet) {
    rtcIntersect4(valid, scene, context, packet);
}
void Intersect(const int* valid, RTCScene scene, RTCIntersectContext* context, RTCRayHit8* packet) {
    rtcIntersect8(valid, scene, context, packet);
}
void Intersect(const int* valid, RTCScene scene, RTCIntersectContext* context, RTCRayHit16* packet) {
    rtcIntersect16(valid, scene, context, packet);
}

// Builds the robust, high-quality scene of one prepared surface, already moved to the local origin.
RTCScene MakeScene(RTCDevice device, const util::CMesh& mesh) {
    RTCGeometry geometry = rtcNewGeometry(device, RTC_GEOMETRY_TYPE_TRIANGLE);
    if (!geometry) return nullptr;
    auto* vertices = static_cast<float*>(rtcSetNewGeometryBuffer(
        geometry, RTC_BUFFER_TYPE_VERTEX, 0, RTC_FORMAT_FLOAT3, 3 * sizeof(float), mesh.vertices.size()));
    auto* faces = static_cast<std::uint32_t*>(
        rtcSetNewGeometryBuffer(geometry, RTC_BUFFER_TYPE_INDEX, 0, RTC_FORMAT_UINT3,
                                3 * sizeof(std::uint32_t), mesh.GetTriangleCount()));
    if (!vertices || !faces) {
        rtcReleaseGeometry(geometry);
        return nullptr;
    }
    for (std::size_t v = 0; v < mesh.vertices.size(); ++v) {
        vertices[3 * v] = static_cast<float>(mesh.vertices[v].x);
        vertices[3 * v + 1] = static_cast<float>(mesh.vertices[v].y);
        vertices[3 * v + 2] = static_cast<float>(mesh.vertices[v].z);
    }
    for (std::size_t f = 0; f < mesh.faces.size(); ++f) faces[f] = static_cast<std::uint32_t>(mesh.faces[f]);
    rtcSetGeometryBuildQuality(geometry, RTC_BUILD_QUALITY_HIGH);
    rtcCommitGeometry(geometry);

    RTCScene scene = rtcNewScene(device);
    if (!scene) {
        rtcReleaseGeometry(geometry);
        return nullptr;
    }
    // Robust traversal keeps rays from slipping through the edges two triangles share.
    rtcSetSceneFlags(scene, RTC_SCENE_FLAG_ROBUST);
    rtcSetSceneBuildQuality(scene, RTC_BUILD_QUALITY_HIGH);
    rtcAttachGeometry(scene, geometry);
    rtcReleaseGeometry(geometry);
    rtcCommitScene(scene);
    return scene;
}

} // namespace

std::unique_ptr<FastRayCaster> FastRayCaster::Create(const std::vector<util::CMesh>& surfaces) {
    std::unique_ptr<FastRayCaster> caster(new FastRayCaster());
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
    caster->origin_ = (lo + hi) * 0.5;

    caster->device_ = rtcNewDevice(nullptr);
    if (!caster->device_) return nullptr;
    if (rtcGetDeviceProperty(caster->device_, RTC_DEVICE_PROPERTY_NATIVE_RAY16_SUPPORTED) != 0) {
        caster->nativeWidth_ = 16;
    } else if (rtcGetDeviceProperty(caster->device_, RTC_DEVICE_PROPERTY_NATIVE_RAY8_SUPPORTED) != 0) {
        caster->nativeWidth_ = 8;
    } else if (rtcGetDeviceProperty(caster->device_, RTC_DEVICE_PROPERTY_NATIVE_RAY4_SUPPORTED) != 0) {
        caster->nativeWidth_ = 4;
    }
    caster->packetWidth_ = caster->nativeWidth_;

    caster->scenes_.assign(surfaces.size(), nullptr);
    caster->planes_.resize(surfaces.size());
    for (std::size_t s = 0; s < surfaces.size(); ++s) {
        util::CMesh& mesh = prepared[s];
        if (mesh.faces.empty()) continue;
        for (Vector3<double>& v : mesh.vertices) v -= caster->origin_;
        std::vector<TrianglePlane>& planes = caster->planes_[s];
        planes.reserve(mesh.GetTriangleCount());
        for (std::size_t t = 0; t < mesh.GetTriangleCount(); ++t) {
            const Vector3<double>& a = mesh.vertices[static_cast<std::size_t>(mesh.faces[3 * t])];
            const Vector3<double>& b = mesh.vertices[static_cast<std::size_t>(mesh.faces[3 * t + 1])];
            const Vector3<double>& c = mesh.vertices[static_cast<std::size_t>(mesh.faces[3 * t + 2])];
            Vector3<double> normal = Cross(b - a, c - a);
            normal /= std::sqrt(Dot(normal, normal));
            planes.push_back({normal, Dot(normal, a)});
        }
        caster->scenes_[s] = MakeScene(caster->device_, mesh);
        if (!caster->scenes_[s] || rtcGetDeviceError(caster->device_) != RTC_ERROR_NONE) return nullptr;
    }
    return caster;
}

FastRayCaster::~FastRayCaster() {
    for (RTCScene scene : scenes_) {
        if (scene) rtcReleaseScene(scene);
    }
    if (device_) rtcReleaseDevice(device_);
}

void FastRayCaster::LimitPacketWidth(int width) {
    int limited = 1;
    for (int candidate : {16, 8, 4}) {
        if (candidate <= width && candidate <= nativeWidth_) {
            limited = candidate;
            break;
        }
    }
    packetWidth_ = limited;
}

bool FastRayCaster::UpdateSurface(std::size_t /*index*/, const util::CMesh& /*mesh*/) {
    return false;
}

void FastRayCaster::Cast(std::span<const GroundRay> rays, std::span<GroundHit> hits) const {
    std::size_t next = 0;
    while (next < rays.size()) {
        const std::size_t remaining = rays.size() - next;
        const GroundRay* first = rays.data() + next;
        GroundHit* out = hits.data() + next;
        if (packetWidth_ >= 16 && remaining > 8) {
            const int count = static_cast<int>(std::min<std::size_t>(remaining, 16));
            TracePacket<16, RTCRayHit16>(first, out, count);
            next += static_cast<std::size_t>(count);
        } else if (packetWidth_ >= 8 && remaining > 4) {
            const int count = static_cast<int>(std::min<std::size_t>(remaining, 8));
            TracePacket<8, RTCRayHit8>(first, out, count);
            next += static_cast<std::size_t>(count);
        } else if (packetWidth_ >= 4 && remaining > 1) {
            const int count = static_cast<int>(std::min<std::size_t>(remaining, 4));
            TracePacket<4, RTCRayHit4>(first, out, count);
            next += static_cast<std::size_t>(count);
        } else {
            TraceSingle(*first, *out);
            ++next;
        }
    }
}

template <int N, typename RayHit>
void FastRayCaster::TracePacket(const GroundRay* rays, GroundHit* hits, int count) const {
    // Embree reads the packet and its lane mask with aligned vector loads: 16, 32 or 64 bytes.
    RayHit packet;
    alignas(sizeof(int) * N) int valid[N];
    int nearestSurface[N];
    unsigned int nearestTriangle[N];
    for (int lane = 0; lane < N; ++lane) {
        nearestSurface[lane] = -1;
        nearestTriangle[lane] = RTC_INVALID_GEOMETRY_ID;
        const bool traced = lane < count && IsTraceable(rays[lane]);
        valid[lane] = traced ? -1 : 0;
        // Masked lanes still hold a well-formed ray.
        const GroundRay ray = traced ? rays[lane] : GroundRay{{}, {0.0, -1.0, 0.0}, 1.0};
        const Vector3<double> origin = traced ? ray.origin - origin_ : Vector3<double>{};
        packet.ray.org_x[lane] = static_cast<float>(origin.x);
        packet.ray.org_y[lane] = static_cast<float>(origin.y);
        packet.ray.org_z[lane] = static_cast<float>(origin.z);
        packet.ray.dir_x[lane] = static_cast<float>(ray.direction.x);
        packet.ray.dir_y[lane] = static_cast<float>(ray.direction.y);
        packet.ray.dir_z[lane] = static_cast<float>(ray.direction.z);
        packet.ray.tnear[lane] = 0.0f;
        packet.ray.tfar[lane] = static_cast<float>(ray.length);
        packet.ray.time[lane] = 0.0f;
        packet.ray.mask[lane] = 0xffffffffU;
        packet.ray.id[lane] = static_cast<unsigned int>(lane);
        packet.ray.flags[lane] = 0;
    }
    for (std::size_t s = 0; s < scenes_.size(); ++s) {
        if (!scenes_[s]) continue;
        for (int lane = 0; lane < N; ++lane) packet.hit.geomID[lane] = RTC_INVALID_GEOMETRY_ID;
        RTCIntersectContext context;
        rtcInitIntersectContext(&context);
        context.flags = RTC_INTERSECT_CONTEXT_FLAG_COHERENT;
        // tfar keeps the nearest distance so far, so a later surface only reports nearer hits.
        Intersect(valid, scenes_[s], &context, &packet);
        for (int lane = 0; lane < count; ++lane) {
            if (valid[lane] == 0 || packet.hit.geomID[lane] == RTC_INVALID_GEOMETRY_ID) continue;
            nearestSurface[lane] = static_cast<int>(s);
            nearestTriangle[lane] = packet.hit.primID[lane];
        }
    }
    for (int lane = 0; lane < count; ++lane) {
        hits[lane] = GroundHit{};
        if (nearestSurface[lane] < 0) continue;
        Finish(rays[lane], nearestSurface[lane], nearestTriangle[lane], packet.ray.tfar[lane], hits[lane]);
    }
}

void FastRayCaster::TraceSingle(const GroundRay& ray, GroundHit& hit) const {
    hit = GroundHit{};
    if (!IsTraceable(ray)) return;
    const Vector3<double> origin = ray.origin - origin_;
    RTCRayHit query;
    query.ray.org_x = static_cast<float>(origin.x);
    query.ray.org_y = static_cast<float>(origin.y);
    query.ray.org_z = static_cast<float>(origin.z);
    query.ray.dir_x = static_cast<float>(ray.direction.x);
    query.ray.dir_y = static_cast<float>(ray.direction.y);
    query.ray.dir_z = static_cast<float>(ray.direction.z);
    query.ray.tnear = 0.0f;
    query.ray.tfar = static_cast<float>(ray.length);
    query.ray.time = 0.0f;
    query.ray.mask = 0xffffffffU;
    query.ray.id = 0;
    query.ray.flags = 0;
    int nearestSurface = -1;
    unsigned int nearestTriangle = RTC_INVALID_GEOMETRY_ID;
    for (std::size_t s = 0; s < scenes_.size(); ++s) {
        if (!scenes_[s]) continue;
        query.hit.geomID = RTC_INVALID_GEOMETRY_ID;
        RTCIntersectContext context;
        rtcInitIntersectContext(&context);
        rtcIntersect1(scenes_[s], &context, &query);
        if (query.hit.geomID == RTC_INVALID_GEOMETRY_ID) continue;
        nearestSurface = static_cast<int>(s);
        nearestTriangle = query.hit.primID;
    }
    if (nearestSurface >= 0) Finish(ray, nearestSurface, nearestTriangle, query.ray.tfar, hit);
}

void FastRayCaster::Finish(const GroundRay& ray, int surface, unsigned int triangle, float distance,
                           GroundHit& hit) const {
    const TrianglePlane& plane = planes_[static_cast<std::size_t>(surface)][triangle];
    // The single-precision distance only chose the triangle; its plane in double precision gives the
    // distance itself.
    double t = distance;
    const double facing = Dot(plane.normal, ray.direction);
    if (std::abs(facing) > 1e-9) t = (plane.offset - Dot(plane.normal, ray.origin - origin_)) / facing;
    t = std::clamp(t, 0.0, ray.length);
    hit.hit = true;
    hit.distance = t;
    hit.point = ray.origin + ray.direction * t;
    hit.normal = facing > 0.0 ? -plane.normal : plane.normal;
    hit.surface = surface;
}

} // namespace vex::orb::addon
