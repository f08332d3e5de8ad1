#include "plugins/common/LocalMatrixAccess.h"

#include "interface/CInterface.h"

namespace vex::orb::addon {

bool ReadLocalMatrix(CInterface* core, CNode* node, double t, util::Matrix<double>& local) {
    if (core == nullptr || node == nullptr) return false;
    CSnapshot* snapshot = core->getSnapshot(node, t);
    if (snapshot == nullptr) return false;
    snapshot->getMatrix(local);
    core->releaseSnapshot(snapshot);
    return true;
}

bool WriteLocalMatrix(CInterface* core, CNode* node, double t, const util::Matrix<double>& local) {
    if (core == nullptr || node == nullptr) return false;
    CSnapshot* snapshot = core->getSnapshot(node, t);
    if (snapshot == nullptr) return false;
    snapshot->setMatrix(local);
    core->releaseSnapshot(snapshot);
    return true;
}

} // namespace vex::orb::addon
