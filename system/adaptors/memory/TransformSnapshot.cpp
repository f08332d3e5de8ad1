#include "system/adaptors/memory/TransformSnapshot.h"

#include "system/adaptors/memory/MemoryNode.h"

namespace vex::orb::adaptor::memory {

void TransformSnapshot::WriteMatrix(const util::Matrix<double>& local) {
    node_.WriteLocalMatrix(time, local);
}

void TransformSnapshot::getMatrix(util::Matrix<double>& local) {
    local = node_.GetScene().GetLocalMatrix(node_.GetObject(), time);
}

void TransformSnapshot::getWorldMatrix(util::Matrix<double>& world) {
    world = node_.GetScene().GetWorldMatrix(node_.GetObject(), time);
}

void TransformSnapshot::WriteWorldMatrix(const util::Matrix<double>& world) {
    util::Matrix<double> toParent;
    if (!util::Inverse(node_.GetScene().GetParentWorldMatrix(node_.GetObject(), time), toParent)) return;
    setMatrix(world * toParent);
}

} // namespace vex::orb::adaptor::memory
