#include "host/scene/MessageHub.h"

#include <maya/MCallbackIdArray.h>
#include <maya/MMessage.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

MStatus MMessage::removeCallback(MCallbackId id) {
    if (vex::host::MessageHub::get().remove(id)) return MStatus::kSuccess;
    return MStatus(MStatus::kFailure, "no callback is installed with this identifier");
}

MStatus MMessage::removeCallbacks(MCallbackIdArray& ids) {
    bool allFound = true;
    for (MCallbackId id : ids) allFound = vex::host::MessageHub::get().remove(id) && allFound;
    if (allFound) return MStatus::kSuccess;
    return MStatus(MStatus::kFailure, "some of the callback identifiers were not installed");
}

MCallbackId MMessage::currentCallbackId() {
    return vex::host::MessageHub::get().Current();
}
