#pragma once

#include "util/Matrix.h"
#include "util/Vector3.h"

namespace vex::orb {
class CInterface;
class CNode;
} // namespace vex::orb

namespace vex::orb::addon {

/// Which matrix of a node: relative to its parent, or in the world.
enum class MatrixSpace { kLocal, kWorld };

/// Reads `node`'s matrix in `space` at time `t` through a transform snapshot of the tool's `core`;
/// false (and `matrix` untouched) when there is no node or the host gives no snapshot.
bool ReadMatrix(CInterface* core, CNode* node, double t, MatrixSpace space, util::Matrix<double>& matrix);

/// Writes `matrix` as `node`'s matrix in `space` at time `t` (keyed when the node is recorded); false
/// when there is no node or the host gives no snapshot.
bool WriteMatrix(CInterface* core, CNode* node, double t, MatrixSpace space,
                 const util::Matrix<double>& matrix);

/// The two spaces by name.
inline bool ReadLocalMatrix(CInterface* core, CNode* node, double t, util::Matrix<double>& local) {
    return ReadMatrix(core, node, t, MatrixSpace::kLocal, local);
}
inline bool WriteLocalMatrix(CInterface* core, CNode* node, double t, const util::Matrix<double>& local) {
    return WriteMatrix(core, node, t, MatrixSpace::kLocal, local);
}
inline bool ReadWorldMatrix(CInterface* core, CNode* node, double t, util::Matrix<double>& world) {
    return ReadMatrix(core, node, t, MatrixSpace::kWorld, world);
}
inline bool WriteWorldMatrix(CInterface* core, CNode* node, double t, const util::Matrix<double>& world) {
    return WriteMatrix(core, node, t, MatrixSpace::kWorld, world);
}

/// The world position of `node` at `t`; the origin when there is no node or snapshot.
util::Vector3<double> WorldPosition(CInterface* core, CNode* node, double t);

} // namespace vex::orb::addon
