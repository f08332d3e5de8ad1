#include "system/adaptors/memory/LensSnapshot.h"

#include "system/adaptors/memory/MemoryNode.h"

namespace vex::orb::adaptor::memory {

void LensSnapshot::WriteFieldOfView(double degrees) {
    node_.WriteLensChannel(&HostObject::fieldOfView, time, degrees);
}

double LensSnapshot::getFieldOfView() {
    const HostObject* object = node_.GetScene().Find(node_.GetObject());
    return object ? object->fieldOfView.Evaluate(time) : 0.0;
}

void LensSnapshot::WriteFocusDistance(double distance) {
    node_.WriteLensChannel(&HostObject::focusDistance, time, distance);
}

double LensSnapshot::getFocusDistance() {
    const HostObject* object = node_.GetScene().Find(node_.GetObject());
    return object ? object->focusDistance.Evaluate(time) : 0.0;
}

CNode* LensSnapshot::getNode() {
    return &node_;
}

} // namespace vex::orb::adaptor::memory
