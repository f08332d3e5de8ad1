#pragma once

#include <maya/MMessage.h>
#include <maya/MStatus.h>

class MDGModifier;
class MObject;
class MPlug;
class MString;

/// Messages about one node: its attributes changing (values set, connections made and broken), its
/// name changing, and its removal. Each callback is installed on a node and fires for that node only.
class MNodeMessage : public MMessage {
public:
    /// What happened to an attribute; bits that combine (a connection arriving has kConnectionMade and
    /// kIncomingDirection).
    enum AttributeMessage {
        kConnectionMade = 0x01,
        kConnectionBroken = 0x02,
        kAttributeEval = 0x04,
        kAttributeSet = 0x08,
        kAttributeLocked = 0x10,
        kAttributeUnlocked = 0x20,
        kAttributeAdded = 0x40,
        kAttributeRemoved = 0x80,
        kAttributeRenamed = 0x100,
        kAttributeKeyable = 0x200,
        kAttributeUnkeyable = 0x400,
        kIncomingDirection = 0x800,
        kAttributeArrayAdded = 0x1000,
        kAttributeArrayRemoved = 0x2000,
        kOtherPlugSet = 0x4000,
        kLast = 0x8000
    };

    /// Callback given what happened, the node's plug and, for connections, the plug at the other end.
    typedef void (*MAttr2PlugFunction)(MNodeMessage::AttributeMessage msg, MPlug& plug, MPlug& otherPlug,
                                       void* clientData);

    /// Calls `func` after an attribute of the node is set (kAttributeSet) and after a connection to or
    /// from it is made or broken. kInvalidParameter (id 0) for an object that is not a live node.
    static MCallbackId addAttributeChangedCallback(MObject& node, MAttr2PlugFunction func,
                                                   void* clientData = nullptr,
                                                   MStatus* ReturnStatus = nullptr);
    /// Calls `func` after the node is renamed, with its previous name.
    static MCallbackId addNameChangedCallback(MObject& node, MMessage::MNodeStringFunction func,
                                              void* clientData = nullptr, MStatus* ReturnStatus = nullptr);
    /// Calls `func` just before the node leaves the scene (deletion, or undo of its creation).
    static MCallbackId addNodePreRemovalCallback(MObject& node, MMessage::MNodeFunction func,
                                                 void* clientData = nullptr, MStatus* ReturnStatus = nullptr);
    /// Calls `func` when the node is about to be deleted; what it puts in the modifier runs first.
    static MCallbackId addNodeAboutToDeleteCallback(MObject& node, MMessage::MNodeModifierFunction func,
                                                    void* clientData = nullptr,
                                                    MStatus* ReturnStatus = nullptr);

    /// "MNodeMessage".
    static const char* className();
};
