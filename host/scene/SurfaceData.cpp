#include "host/scene/SurfaceData.h"

#include "host/scene/BSpline.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vex::host {

namespace {

// Samples per knot span of the mesh that finds a first hit on a curved surface.
constexpr int kSamplesPerSpan = 8;

} // namespace

bool SurfaceData::set(std::vector<MPoint> points, int numU, int numV, std::vector<double> knotsU,
                      std::vector<double> knotsV, int degreeU, int degreeV) {
    if (numU < 2 || numV < 2 || static_cast<int>(points.size()) != numU * numV) return false;
    if (!BSpline::Valid(knotsU, numU, degreeU) || !BSpline::Valid(knotsV, numV, degreeV)) return false;
    points_ = std::move(points);
    numU_ = numU;
    numV_ = numV;
    knotsU_ = std::move(knotsU);
    knotsV_ = std::move(knotsV);
    degreeU_ = degreeU;
    degreeV_ = degreeV;
    mesh_.reset();
    return true;
}

std::shared_ptr<SurfaceData> SurfaceData::Uniform(std::vector<MPoint> points, int numU, int numV, int degreeU,
                                                  int degreeV) {
    auto surface = std::make_shared<SurfaceData>();
    if (!surface->set(std::move(points), numU, numV, BSpline::UniformKnots(numU, degreeU),
                      BSpline::UniformKnots(numV, degreeV), degreeU, degreeV))
        return nullptr;
    return surface;
}

void SurfaceData::Domain(double& startU, double& endU, double& startV, double& endV) const {
    if (points_.empty()) {
        startU = endU = startV = endV = 0.0;
        return;
    }
    BSpline::Domain(knotsU_, numU_, degreeU_, startU, endU);
    BSpline::Domain(knotsV_, numV_, degreeV_, startV, endV);
}

void SurfaceData::evaluate(double u, double v, MPoint* point, MVector* du, MVector* dv) const {
    std::vector<double> nu(degreeU_ + 1), du1(degreeU_ + 1), nv(degreeV_ + 1), dv1(degreeV_ + 1);
    const int firstU = BSpline::evaluate(knotsU_, numU_, degreeU_, u, nu.data(), du1.data());
    const int firstV = BSpline::evaluate(knotsV_, numV_, degreeV_, v, nv.data(), dv1.data());
    MVector p, pu, pv;
    for (int i = 0; i <= degreeU_; ++i)
        for (int j = 0; j <= degreeV_; ++j) {
            const MVector cv(points_[(firstU + i) * numV_ + firstV + j]);
            p += cv * (nu[i] * nv[j]);
            pu += cv * (du1[i] * nv[j]);
            pv += cv * (nu[i] * dv1[j]);
        }
    if (point) *point = MPoint(p);
    if (du) *du = pu;
    if (dv) *dv = pv;
}

MPoint SurfaceData::PointAt(double u, double v) const {
    MPoint p;
    if (!points_.empty()) evaluate(u, v, &p, nullptr, nullptr);
    return p;
}

void SurfaceData::Partials(double u, double v, MVector& du, MVector& dv) const {
    du = dv = MVector();
    if (!points_.empty()) evaluate(u, v, nullptr, &du, &dv);
}

MVector SurfaceData::NormalAt(double u, double v) const {
    MVector du, dv;
    Partials(u, v, du, dv);
    return (du ^ dv).normal();
}

std::vector<double> SurfaceData::Samples(const std::vector<double>& knots, int num, int degree) const {
    double start = 0.0, end = 0.0;
    BSpline::Domain(knots, num, degree, start, end);
    const int steps = degree == 1 ? 1 : kSamplesPerSpan;
    std::vector<double> result{start};
    double previous = start;
    for (double k : knots) {
        if (k <= previous || k > end) continue;
        for (int s = 1; s <= steps; ++s) result.push_back(previous + (k - previous) * s / steps);
        previous = k;
    }
    return result;
}

void SurfaceData::BuildTessellation() const {
    if (mesh_) return;
    sampleU_ = Samples(knotsU_, numU_, degreeU_);
    sampleV_ = Samples(knotsV_, numV_, degreeV_);
    const int nu = static_cast<int>(sampleU_.size());
    const int nv = static_cast<int>(sampleV_.size());
    std::vector<MPoint> grid;
    grid.reserve(static_cast<std::size_t>(nu * nv));
    for (double u : sampleU_)
        for (double v : sampleV_) grid.push_back(PointAt(u, v));
    std::vector<int> connects;
    for (int i = 0; i + 1 < nu; ++i)
        for (int j = 0; j + 1 < nv; ++j)
            connects.insert(connects.end(),
                            {i * nv + j, (i + 1) * nv + j, (i + 1) * nv + j + 1, i * nv + j + 1});
    std::vector<int> counts(connects.size() / 4, 4);
    mesh_ = std::make_shared<MeshData>();
    mesh_->set(std::move(grid), std::move(counts), std::move(connects));
}

std::optional<SurfaceData::Hit> SurfaceData::intersect(const MPoint& source, const MVector& direction) const {
    if (points_.empty()) return std::nullopt;
    BuildTessellation();
    const auto hit = mesh_->closestIntersection(source, direction, std::numeric_limits<double>::max());
    if (!hit) return std::nullopt;

    // Parameters of the hit on the sample mesh: the quad's corners are (i, j), (i+1, j), (i+1, j+1),
    // (i, j+1) and its fan triangles are corners (0, 1, 2) and (0, 2, 3).
    const int nv = static_cast<int>(sampleV_.size());
    const int i = hit->polygon / (nv - 1);
    const int j = hit->polygon % (nv - 1);
    const double corner[4][2] = {{sampleU_[i], sampleV_[j]},
                                 {sampleU_[i + 1], sampleV_[j]},
                                 {sampleU_[i + 1], sampleV_[j + 1]},
                                 {sampleU_[i], sampleV_[j + 1]}};
    const int b = hit->triangle == 0 ? 1 : 2;
    const int c = b + 1;
    Hit result;
    result.u = corner[0][0] + hit->bary1 * (corner[b][0] - corner[0][0]) +
               hit->bary2 * (corner[c][0] - corner[0][0]);
    result.v = corner[0][1] + hit->bary1 * (corner[b][1] - corner[0][1]) +
               hit->bary2 * (corner[c][1] - corner[0][1]);
    result.param = hit->param;

    // Newton steps on S(u, v) - (source + t direction) = 0 move the hit from the sample mesh onto a
    // curved surface; on a bilinear patch the sample mesh is the surface and they change nothing.
    double startU, endU, startV, endV;
    Domain(startU, endU, startV, endV);
    for (int iteration = 0; iteration < 8 && (degreeU_ > 1 || degreeV_ > 1); ++iteration) {
        MPoint p;
        MVector su, sv;
        evaluate(result.u, result.v, &p, &su, &sv);
        const MVector f = p - (source + direction * result.param);
        // Solve [su sv -d] x = -f by Cramer's rule.
        const MVector d = -direction;
        const double det = su * (sv ^ d);
        if (std::abs(det) < 1e-300) break;
        const double du = -(f * (sv ^ d)) / det;
        const double dv = -(su * (f ^ d)) / det;
        const double dt = -(su * (sv ^ f)) / det;
        result.u = std::clamp(result.u + du, startU, endU);
        result.v = std::clamp(result.v + dv, startV, endV);
        result.param += dt;
        if (std::abs(du) + std::abs(dv) + std::abs(dt) < 1e-12) break;
    }
    result.point = source + direction * result.param;
    return result;
}

} // namespace vex::host
