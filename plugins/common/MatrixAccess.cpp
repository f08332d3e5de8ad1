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

} // namespace vex::orb::addon
