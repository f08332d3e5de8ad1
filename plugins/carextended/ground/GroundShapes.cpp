#include "plugins/carextended/ground/GroundShapes.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace vex::orb::addon {

namespace {

using util::Vector3;

// Builds the (cells + 1)² grid over x, z in [-size / 2, size / 2], placing each grid point with
// `place(x, z)`, and two counter-clockwise triangles per cell.
util::CMesh MakeGrid(double size, int cells, const std::function<Vector3<double>(double, double)>& place) {
    util::CMesh mesh;
    if (cells < 1 || !(size > 0.0)) return mesh;
    const auto side = static_cast<std::size_t>(cells) + 1;
    mesh.vertices.reserve(side * side);
    const double step = size / cells;
    const double start = -0.5 * size;
    for (std::size_t i = 0; i < side; ++i) {
        for (std::size_t j = 0; j < side; ++j) {
            // The last row and column land exactly on the far edge.
            const double x = i + 1 == side ? 0.5 * size : start + step * static_cast<double>(i);
            const double z = j + 1 == side ? 0.5 * size : start + step * static_cast<double>(j);
            mesh.vertices.push_back(place(x, z));
        }
    }
    mesh.faces.reserve(static_cast<std::size_t>(cells) * cells * 6);
    auto index = [side](std::size_t i, std::size_t j) { return static_cast<std::int32_t>(i * side + j); };
    for (std::size_t i = 0; i + 1 < side; ++i) {
        for (std::size_t j = 0; j + 1 < side; ++j) {
            // Seen from +y: (x, z) → (x, z + 1) → (x + 1, z) turns counter-clockwise.
            mesh.faces.insert(mesh.faces.end(), {index(i, j), index(i, j + 1), index(i + 1, j)});
            mesh.faces.insert(mesh.faces.end(), {index(i + 1, j), index(i, j + 1), index(i + 1, j + 1)});
        }
    }
    return mesh;
}

// A 32-bit integer hash (two multiply-xorshift rounds); exact integer arithmetic, so the same everywhere.
std::uint32_t Hash(std::uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

// The lattice value at integer point (i, j) of octave `octave`, in [-1, 1].
double LatticeValue(std::int64_t i, std::int64_t j, std::uint32_t seed, std::uint32_t octave) {
    std::uint32_t h = Hash(seed ^ Hash(octave + 0x9e3779b9U));
    h = Hash(h ^ static_cast<std::uint32_t>(i));
    h = Hash(h ^ static_cast<std::uint32_t>(j) * 0x27d4eb2dU);
    return static_cast<double>(h) / 2147483647.5 - 1.0;
}

// Quintic fade: zero slope and curvature at both lattice points, so the hills have no creases.
double Fade(double t) {
    return t * t * t * (t * (t * 6.0 - 15.0) + 10.0);
}

// Value noise in [-1, 1] at (u, v) in lattice units; only additions and multiplications of doubles.
double ValueNoise(double u, double v, std::uint32_t seed, std::uint32_t octave) {
    const double fu = std::floor(u);
    const double fv = std::floor(v);
    const auto i = static_cast<std::int64_t>(fu);
    const auto j = static_cast<std::int64_t>(fv);
    const double su = Fade(u - fu);
    const double sv = Fade(v - fv);
    const double a = LatticeValue(i, j, seed, octave);
    const double b = LatticeValue(i + 1, j, seed, octave);
    const double c = LatticeValue(i, j + 1, seed, octave);
    const double d = LatticeValue(i + 1, j + 1, seed, octave);
    const double bottom = a + (b - a) * su;
    const double top = c + (d - c) * su;
    return bottom + (top - bottom) * sv;
}

// Hills: three octaves of value noise, the widest with a wavelength of a sixth of the terrain.
constexpr int kOctaves = 3;
constexpr double kWavelengthShare = 1.0 / 6.0;

} // namespace

util::CMesh MakeFlatGround(double size, int cells, double height) {
    return MakeGrid(size, cells, [height](double x, double z) { return Vector3<double>{x, height, z}; });
}

util::CMesh MakeSlope(double size, int cells, double angle) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    // The grid's x runs along the slope, so the plane's side is `size` along the incline as well.
    return MakeGrid(size, cells, [c, s](double x, double z) { return Vector3<double>{x * c, x * s, z}; });
}

util::CMesh MakeTerrain(double size, int cells, double amplitude, std::uint32_t seed) {
    const double wavelength = size * kWavelengthShare;
    double weightSum = 0.0;
    for (int o = 0; o < kOctaves; ++o) weightSum += std::ldexp(1.0, -o);
    return MakeGrid(size, cells, [=](double x, double z) {
        double height = 0.0;
        for (int o = 0; o < kOctaves; ++o) {
            const double scale = std::ldexp(1.0, o) / wavelength;
            height +=
                std::ldexp(1.0, -o) * ValueNoise(x * scale, z * scale, seed, static_cast<std::uint32_t>(o));
        }
        return Vector3<double>{x, amplitude * height / weightSum, z};
    });
}

} // namespace vex::orb::addon
