#include "host/builtins/PrimitiveMeshes.h"

#include <array>
#include <map>

namespace vex::host::builtins {

namespace {

using Lattice = std::array<int, 3>;

// Collects vertices by their lattice position, so faces that meet share them.
class MeshBuilder {
public:
    MeshBuilder(const std::array<double, 3>& size, const Lattice& cuts) : size_(size), cuts_(cuts) {}

    // Adds the grid of faces on the side of axis `axis` at lattice position `at` (0 or the axis's cuts);
    // `outwards` gives the winding along +axis, else along -axis.
    void Side(int axis, int at, bool outwards) {
        const int u = (axis + 1) % 3, v = (axis + 2) % 3;
        for (int i = 0; i < cuts_[u]; ++i)
            for (int j = 0; j < cuts_[v]; ++j) {
                std::array<Lattice, 4> corners;
                const int du[4] = {0, 1, 1, 0}, dv[4] = {0, 0, 1, 1};
                for (int c = 0; c < 4; ++c) {
                    corners[c][axis] = at;
                    corners[c][u] = i + du[c];
                    corners[c][v] = j + dv[c];
                }
                if (!outwards) std::swap(corners[1], corners[3]);
                counts_.push_back(4);
                for (const Lattice& corner : corners) connects_.push_back(Vertex(corner));
            }
    }

    std::shared_ptr<MeshData> Build() {
        auto mesh = std::make_shared<MeshData>();
        mesh->set(points_, counts_, connects_);
        return mesh;
    }

private:
    int Vertex(const Lattice& at) {
        const auto [found, added] = index_.try_emplace(at, static_cast<int>(points_.size()));
        if (added) {
            double xyz[3];
            for (int a = 0; a < 3; ++a)
                xyz[a] = cuts_[a] == 0 ? 0.0 : size_[a] * (static_cast<double>(at[a]) / cuts_[a] - 0.5);
            points_.emplace_back(xyz[0], xyz[1], xyz[2]);
        }
        return found->second;
    }

    std::array<double, 3> size_;
    Lattice cuts_;
    std::map<Lattice, int> index_;
    std::vector<MPoint> points_;
    std::vector<int> counts_;
    std::vector<int> connects_;
};

} // namespace

std::shared_ptr<MeshData> BoxMesh(double width, double height, double depth, int cutsX, int cutsY,
                                  int cutsZ) {
    MeshBuilder builder({width, height, depth}, {cutsX, cutsY, cutsZ});
    const Lattice cuts{cutsX, cutsY, cutsZ};
    for (int axis = 0; axis < 3; ++axis) {
        builder.Side(axis, cuts[axis], true);
        builder.Side(axis, 0, false);
    }
    return builder.Build();
}

std::shared_ptr<MeshData> PlaneMesh(double width, double depth, int cutsX, int cutsZ) {
    // The grid spans Z and X (in that order about +Y), at the middle height.
    MeshBuilder builder({width, 0.0, depth}, {cutsX, 0, cutsZ});
    builder.Side(1, 0, true);
    return builder.Build();
}

} // namespace vex::host::builtins
