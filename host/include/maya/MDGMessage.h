#pragma once

#include <maya/MMessage.h>
#include <maya/MString.h>

/// Callbacks on dependency-graph changes: nodes added to and removed from the scene.
class MDGMessage : public MMessage {
public:
    /// Calls `func` after a node of type `nodeType` (or a derived type) is added; "dependNode" means all.
    static MCallbackId addNodeAddedCallback(MMessage::MNodeFunction func,
                                            const MString& nodeType = "dependNode",
                                            void* clientData = nullptr, MStatus* ReturnStatus = nullptr);
    /// Calls `func` before a node of type `nodeType` (or a derived type) is removed; "dependNode" means all.
    static MCallbackId addNodeRemovedCallback(MMessage::MNodeFunction func,
                                              const MString& nodeType = "dependNode",
                                              void* clientData = nullptr, MStatus* ReturnStatus = nullptr);
};
