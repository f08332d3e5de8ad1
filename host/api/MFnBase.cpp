#include <maya/MFnBase.h>

#include "host/api/HostConvert.h"

MObject MFnBase::object(MStatus* ReturnStatus) const {
    vex::host::convert::report(ReturnStatus,
                               m_object.isNull() ? MStatus::kInvalidParameter : MStatus::kSuccess);
    return m_object;
}

MStatus MFnBase::setObject(const MObject& object) {
    if (!hasObj(object)) {
        m_object = MObject();
        return vex::host::convert::failure("the object is not compatible with this function set",
                                           MStatus::kInvalidParameter);
    }
    m_object = object;
    return MStatus::kSuccess;
}
