#include "plugins/common/WorldMatrixAccess.h"

#include "interface/CInterface.h"

namespace vex::orb::addon {

bool ReadWorldMatrix(CInterface* core, CNode* node, double t, util::Matrix<double>& world) {
    if (core == nullptr || node == nullptr) return false;
    CSnapshot* snapshot = core->getSnapshot(node, t);
    if (snapshot == nullptr) return false;
    snapshot->getWorldMatrix(world);
    core->releaseSnapshot(snapshot);
    return true;
}

bool WriteWorldMatrix(CInterface* core, CNode* node, double t, const util::Matrix<double>& world) {
    if (core == nullptr || node == nullptr) return false;
    CSnapshot* snapshot = core->getSnapshot(node, t);
    if (snapshot == nullptr) return false;
    snapshot->setWorldMatrix(world);
    core->releaseSnapshot(snapshot);
    return true;
}

} // namespace vex::orb::addon
