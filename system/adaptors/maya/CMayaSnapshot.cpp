#include "system/adaptors/maya/CMayaSnapshot.h"

#include "system/adaptors/maya/CMayaNode.h"

namespace vex::orb::adaptor::maya {

void CMayaSnapshot::WriteMatrix(const util::Matrix<double>& local) {
    node_.WriteLocalMatrix(time, local);
}

void CMayaSnapshot::getMatrix(util::Matrix<double>& local) {
    local = node_.ReadLocalMatrix(time);
}

void CMayaSnapshot::getWorldMatrix(util::Matrix<double>& world) {
    world = node_.ReadLocalMatrix(time);
    if (node_.IsWorldParented()) return;
    CNode* parent = node_.getParent();
    // Each ancestor is read through a wrapper of its own, so a system node above answers what it
    // holds (its buffer while recording) exactly as it does when asked directly.
    while (auto* up = dynamic_cast<CMayaNode*>(parent)) {
        world = world * up->ReadLocalMatrix(time);
        parent = up->getParent();
        node_.releaseNode(up);
    }
}

void CMayaSnapshot::WriteWorldMatrix(const util::Matrix<double>& world) {
    if (node_.IsWorldParented()) {
        node_.WriteLocalMatrix(time, world);
        return;
    }
    util::Matrix<double> parentWorld;
    CNode* parent = node_.getParent();
    if (auto* up = dynamic_cast<CMayaNode*>(parent)) {
        CSnapshot* snapshot = up->getSnapshot(time);
        snapshot->getWorldMatrix(parentWorld);
        static_cast<CMayaSnapshot*>(snapshot)->inUse = false;
        node_.releaseNode(up);
    }
    util::Matrix<double> inverse;
    if (!util::Inverse(parentWorld, inverse)) return;
    node_.WriteLocalMatrix(time, world * inverse);
}

} // namespace vex::orb::adaptor::maya
