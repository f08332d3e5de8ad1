#pragma once

#include <maya/MMessage.h>
#include <maya/MStatus.h>

/// Reports through the optional ReturnStatus whether a callback was installed (a zero identifier means
/// it was refused), and hands the identifier on.
inline MCallbackId reportInstalled(MCallbackId id, MStatus* ReturnStatus) {
    MSetStatus(ReturnStatus, id ? MStatus::kSuccess : MStatus::kInvalidParameter);
    return id;
}
