#pragma once

#include <cstdint>

class MObject;
class MDagPath;
class MString;
class MStatus;
class MCallbackIdArray;
class MDGModifier;
class MPlug;

/// Identifier of one installed message callback; 0 is never a valid identifier.
typedef std::uintptr_t MCallbackId;

/// Base of the message classes: the callback function shapes and the removal of installed callbacks.
class MMessage {
public:
    /// Callback with only the client data (scene and event messages).
    typedef void (*MBasicFunction)(void* clientData);
    /// Callback given a node (node added or removed).
    typedef void (*MNodeFunction)(MObject& node, void* clientData);
    /// Callback given a text (executed commands).
    typedef void (*MStringFunction)(const MString& str, void* clientData);
    /// Callback given a condition's new state.
    typedef void (*MStateFunction)(bool state, void* clientData);
    /// Callback given a node and a text (a node's previous name).
    typedef void (*MNodeStringFunction)(MObject& node, const MString& str, void* clientData);
    /// Callback given a node and a modifier (operations to run before the node is deleted).
    typedef void (*MNodeModifierFunction)(MObject& node, MDGModifier& modifier, void* clientData);
    /// Callback given a node and one of its plugs.
    typedef void (*MNodePlugFunction)(MObject& node, MPlug& plug, void* clientData);
    /// Callback given a DAG child and the parent it gained or lost.
    typedef void (*MParentChildFunction)(MDagPath& child, MDagPath& parent, void* clientData);

    /// Removes one callback; kFailure when the identifier is not installed.
    static MStatus removeCallback(MCallbackId id);
    /// Removes every callback of the array; kFailure when any of them was not installed (the rest are
    /// removed).
    static MStatus removeCallbacks(MCallbackIdArray& ids);
    /// The identifier of the callback running now, or 0 outside any callback.
    static MCallbackId currentCallbackId();
};
