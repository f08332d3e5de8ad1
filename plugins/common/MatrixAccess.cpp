#include "plugins/common/MatrixAccess.h"

#include "interface/ScopedSnapshot.h"

namespace vex::orb::addon {

bool ReadMatrix(CInterface* core, CNode* node, double t, MatrixSpace space, util::Matrix<double>& matrix) {
    ScopedSnapshot<CSnapshot> snapshot(core, node, t);
    if (!snapshot) return false;
    if (space == MatrixSpace::kWorld) {
        snapshot->getWorldMatrix(matrix);
    } else {
        snapshot->getMatrix(matrix);
    }
    return true;
}

bool WriteMatrix(CInterface* core, CNode* node, double t, MatrixSpace space,
                 const util::Matrix<double>& matrix) {
    ScopedSnapshot<CSnapshot> snapshot(core, node, t);
    if (!snapshot) return false;
    if (space == MatrixSpace::kWorld) {
        snapshot->setWorldMatrix(matrix);
    } else {
        snapshot->setMatrix(matrix);
    }
    return true;
}

util::Vector3<double> WorldPosition(CInterface* core, CNode* node, double t) {
    util::Matrix<double> world;
    ReadWorldMatrix(core, node, t, world);
    return {world.m[3][0], world.m[3][1], world.m[3][2]};
}

} // namespace vex::orb::addon
