#pragma once

#include <maya/MDGModifier.h>

/// A modifier with the DAG edits: creation under a parent and reparenting.
class MDagModifier : public MDGModifier {
public:
    /// Queues the creation of a DAG node under the parent (null: the world). A shape without a parent
    /// gets a new transform, which is the object answered.
    MObject createNode(const MString& typeName, const MObject& parent = MObject::kNullObj,
                       MStatus* ReturnStatus = nullptr);
    MObject createNode(const MTypeId& typeId, const MObject& parent = MObject::kNullObj,
                       MStatus* ReturnStatus = nullptr);
    /// Queues moving a DAG node under a new parent (null: the world).
    MStatus reparentNode(const MObject& node, const MObject& newParent = MObject::kNullObj);
};
