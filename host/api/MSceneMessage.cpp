#include "host/scene/MessageHub.h"

#include <maya/MSceneMessage.h>
#include <maya/MStatus.h>

MCallbackId MSceneMessage::addCallback(Message msg, MMessage::MBasicFunction func, void* clientData,
                                       MStatus* ReturnStatus) {
    if (!func || msg < kSceneUpdate || msg >= kLast) {
        MSetStatus(ReturnStatus, MStatus::kInvalidParameter);
        return 0;
    }
    MSetStatus(ReturnStatus, MStatus::kSuccess);
    return vex::host::MessageHub::get().AddSceneCallback(msg, func, clientData);
}
