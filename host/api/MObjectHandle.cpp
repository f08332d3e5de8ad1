#include "host/scene/ObjectAccess.h"

#include <maya/MObjectHandle.h>

#include <functional>

using vex::host::ObjectAccess;

bool MObjectHandle::isValid() const {
    if (object_.isNull()) return false;
    auto node = ObjectAccess::node(object_);
    return !node || node->IsAlive() || node->IsPending();
}

unsigned int MObjectHandle::hashCode() const {
    return static_cast<unsigned int>(std::hash<const void*>()(ObjectAccess::ObjectOf(object_).get()));
}
