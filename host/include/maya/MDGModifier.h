#pragma once

#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypeId.h>

#include <functional>
#include <memory>

/// A list of graph edits done together and undone together. Edits are queued by the calls below and
/// carried out by doIt in the order queued; undoIt takes back everything done, newest first, leaving
/// the scene exactly as before; doIt after undoIt makes the same edits again (the very same nodes come
/// back). Edits queued after a doIt are carried out by the next doIt. A failing edit stops doIt, is
/// taken back, and doIt answers its failure; the edits before it stay done.
class MDGModifier {
public:
    MDGModifier();
    virtual ~MDGModifier();
    MDGModifier(MDGModifier&&) noexcept;
    MDGModifier& operator=(MDGModifier&&) noexcept;
    MDGModifier(const MDGModifier&) = delete;
    MDGModifier& operator=(const MDGModifier&) = delete;

    /// Queues the creation of a dependency node; the answered object is the node to be created.
    MObject createNode(const MString& typeName, MStatus* ReturnStatus = nullptr);
    MObject createNode(const MTypeId& typeId, MStatus* ReturnStatus = nullptr);
    /// Queues the deletion of a node (DAG nodes with everything below them).
    MStatus deleteNode(const MObject& node);
    /// Queues a rename; a clash makes the name unique.
    MStatus renameNode(const MObject& node, const MString& newName);
    MStatus connect(const MPlug& source, const MPlug& destination);
    MStatus connect(const MObject& sourceNode, const MObject& sourceAttribute, const MObject& destinationNode,
                    const MObject& destinationAttribute);
    MStatus disconnect(const MPlug& source, const MPlug& destination);
    MStatus disconnect(const MObject& sourceNode, const MObject& sourceAttribute,
                       const MObject& destinationNode, const MObject& destinationAttribute);
    MStatus addAttribute(const MObject& node, const MObject& attribute);
    MStatus removeAttribute(const MObject& node, const MObject& attribute);
    MStatus newPlugValue(const MPlug& plug, const MObject& value);
    MStatus newPlugValueBool(const MPlug& plug, bool value);
    MStatus newPlugValueInt(const MPlug& plug, int value);
    MStatus newPlugValueShort(const MPlug& plug, short value);
    MStatus newPlugValueDouble(const MPlug& plug, double value);
    MStatus newPlugValueFloat(const MPlug& plug, float value);
    MStatus newPlugValueString(const MPlug& plug, const MString& value);
    /// Queues a command (host command language); its scene edits are undone with the rest.
    MStatus commandToExecute(const MString& command);

    /// Carries out the queued edits (or, after undoIt, makes the undone ones again).
    MStatus doIt();
    /// Takes back every edit done, newest first.
    MStatus undoIt();

protected:
    struct Impl;
    /// Queues one edit; `run` carries it out on the scene and answers its status.
    MStatus queue(std::function<MStatus()> run);

private:
    std::unique_ptr<Impl> impl_;
};
