#pragma once

#include <maya/MMessage.h>

/// Callbacks on DAG hierarchy changes.
class MDagMessage : public MMessage {
public:
    /// Calls `func` whenever any DAG node loses a parent.
    static MCallbackId addParentRemovedCallback(MMessage::MParentChildFunction func,
                                                void* clientData = nullptr, MStatus* ReturnStatus = nullptr);
    /// Calls `func` whenever the node at `node` (as a child) loses a parent.
    static MCallbackId addParentRemovedCallback(MDagPath& node, MMessage::MParentChildFunction func,
                                                void* clientData = nullptr, MStatus* ReturnStatus = nullptr);
    /// Calls `func` whenever any DAG node gains a parent.
    static MCallbackId addParentAddedCallback(MMessage::MParentChildFunction func, void* clientData = nullptr,
                                              MStatus* ReturnStatus = nullptr);
    /// Calls `func` whenever the node at `node` (as a child) gains a parent.
    static MCallbackId addParentAddedCallback(MDagPath& node, MMessage::MParentChildFunction func,
                                              void* clientData = nullptr, MStatus* ReturnStatus = nullptr);
};
