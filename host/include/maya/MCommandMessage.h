#pragma once

#include <maya/MMessage.h>

/// Callbacks receiving the text of every command the host executes.
class MCommandMessage : public MMessage {
public:
    /// Calls `func` with the command text after each command has run.
    static MCallbackId addCommandCallback(MMessage::MStringFunction func, void* clientData = nullptr,
                                          MStatus* ReturnStatus = nullptr);
};
