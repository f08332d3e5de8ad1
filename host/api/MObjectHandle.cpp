#include <maya/MObjectHandle.h>

#include "host/scene/ObjectAccess.h"

#include <functional>

using vex::host::ObjectAccess;

bool MObjectHandle::isValid() const {
    if (m_object.isNull()) return false;
    auto node = ObjectAccess::node(m_object);
    return !node || node->isAlive() || node->isPending();
}

unsigned int MObjectHandle::hashCode() const {
    return static_cast<unsigned int>(std::hash<const void*>()(ObjectAccess::object(m_object).get()));
}
