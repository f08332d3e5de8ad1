#include "host/api/HostConvert.h"

#include <maya/MFnBase.h>

MObject MFnBase::object(MStatus* ReturnStatus) const {
    vex::host::convert::report(ReturnStatus,
                               object_.isNull() ? MStatus::kInvalidParameter : MStatus::kSuccess);
    return object_;
}

MStatus MFnBase::setObject(const MObject& object) {
    if (!hasObj(object)) {
        object_ = MObject();
        return vex::host::convert::failure("the object is not compatible with this function set",
                                           MStatus::kInvalidParameter);
    }
    object_ = object;
    return MStatus::kSuccess;
}
