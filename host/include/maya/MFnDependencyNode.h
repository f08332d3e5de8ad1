#pragma once

#include <maya/MFnBase.h>
#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypeId.h>

class MPlugArray;
class MPxNode;

/// Function set for every node: name, type, attributes, plugs and connections.
class MFnDependencyNode : public MFnBase {
public:
    MFnDependencyNode() = default;
    explicit MFnDependencyNode(const MObject& object, MStatus* ReturnStatus = nullptr);

    MFn::Type type() const override { return MFn::kDependencyNode; }

    /// Creates a node of the named type in the scene at once (not undoable) and attaches to it.
    MObject create(const MString& typeName, MStatus* ReturnStatus = nullptr);
    /// Creates a node with the given name (made unique) and attaches to it.
    MObject create(const MString& typeName, const MString& name, MStatus* ReturnStatus = nullptr);
    MObject create(const MTypeId& typeId, MStatus* ReturnStatus = nullptr);

    /// The node's name.
    MString name(MStatus* ReturnStatus = nullptr) const;
    /// Renames the node (not undoable); answers the name given, which a clash makes unique.
    MString setName(const MString& name, bool createNamespace = false, MStatus* ReturnStatus = nullptr);
    MString typeName(MStatus* ReturnStatus = nullptr) const;
    MTypeId typeId(MStatus* ReturnStatus = nullptr) const;

    /// The plug of the attribute with the given long or short name.
    MPlug findPlug(const MString& attributeName, MStatus* ReturnStatus = nullptr) const;
    MPlug findPlug(const MString& attributeName, bool wantNetworkedPlug,
                   MStatus* ReturnStatus = nullptr) const;
    MPlug findPlug(const MObject& attribute, MStatus* ReturnStatus = nullptr) const;
    MPlug findPlug(const MObject& attribute, bool wantNetworkedPlug, MStatus* ReturnStatus = nullptr) const;

    /// The attribute with the given long or short name.
    MObject attribute(const MString& attributeName, MStatus* ReturnStatus = nullptr) const;
    /// Number of top-level attributes (the type's, then the dynamic ones).
    unsigned int attributeCount(MStatus* ReturnStatus = nullptr) const;
    MObject attribute(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    bool hasAttribute(const MString& attributeName, MStatus* ReturnStatus = nullptr) const;

    /// Adds a dynamic attribute (not undoable). Fails when its name is in use on the node.
    MStatus addAttribute(const MObject& attribute);
    /// Removes a dynamic attribute with its connections (not undoable). Static attributes stay.
    MStatus removeAttribute(const MObject& attribute);

    /// Every plug of the node that has a connection.
    MStatus getConnections(MPlugArray& array) const;

    /// The plug-in object of a node of a plug-in type, or null.
    MPxNode* userNode(MStatus* ReturnStatus = nullptr) const;

    bool isFromReferencedFile(MStatus* ReturnStatus = nullptr) const;
    bool isLocked(MStatus* ReturnStatus = nullptr) const;
};
