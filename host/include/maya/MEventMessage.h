#pragma once

#include <maya/MMessage.h>

class MStringArray;

/// Callbacks on named host events ("timeChanged", "SelectionChanged", ...).
class MEventMessage : public MMessage {
public:
    /// Calls `func` every time the event happens; kInvalidParameter for an unknown event name.
    static MCallbackId addEventCallback(const MString& event, MMessage::MBasicFunction func,
                                        void* clientData = nullptr, MStatus* ReturnStatus = nullptr);
    /// The names of the events a callback can be installed on.
    static void getEventNames(MStringArray& names);
};
