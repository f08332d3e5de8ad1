#pragma once

#include <maya/MDagPath.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MMatrix.h>

/// Function set for DAG nodes: parents, children, paths and the local matrix.
class MFnDagNode : public MFnDependencyNode {
public:
    /// Position value for addChild meaning "after the last child".
    static constexpr unsigned int kNextPos = 0xffffffffu;

    MFnDagNode() = default;
    explicit MFnDagNode(const MObject& object, MStatus* ReturnStatus = nullptr);
    explicit MFnDagNode(const MDagPath& path, MStatus* ReturnStatus = nullptr);

    MFn::Type type() const override { return MFn::kDagNode; }
    MStatus setObject(const MObject& object) override;
    /// Attaches to the node at the end of the path.
    MStatus setObject(const MDagPath& path);

    /// Creates a DAG node under the parent (null: the world) at once, not undoable. A shape without a
    /// parent gets a new transform, which is answered; the function set is attached to the new node.
    MObject create(const MString& typeName, const MObject& parent = MObject::kNullObj,
                   MStatus* ReturnStatus = nullptr);
    MObject create(const MString& typeName, const MString& name, const MObject& parent = MObject::kNullObj,
                   MStatus* ReturnStatus = nullptr);

    /// Number of parents: 1 for every node in the scene (a top-level node's parent is the world).
    unsigned int parentCount(MStatus* ReturnStatus = nullptr) const;
    /// The parent (the world object for top-level nodes; its full path name is "").
    MObject parent(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    unsigned int childCount(MStatus* ReturnStatus = nullptr) const;
    MObject child(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    /// Makes the node a child of this one (not undoable), at the given position among the children.
    MStatus addChild(MObject& child, unsigned int index = kNextPos, bool keepExistingParents = false);
    /// Moves a child of this node to the world (not undoable).
    MStatus removeChild(MObject& child);
    MStatus removeChildAt(unsigned int index);
    bool hasParent(const MObject& node, MStatus* ReturnStatus = nullptr) const;
    bool hasChild(const MObject& node, MStatus* ReturnStatus = nullptr) const;
    bool isChildOf(const MObject& node, MStatus* ReturnStatus = nullptr) const;
    bool isParentOf(const MObject& node, MStatus* ReturnStatus = nullptr) const;

    MStatus getPath(MDagPath& path) const;
    MDagPath dagPath(MStatus* ReturnStatus = nullptr) const;
    MString fullPathName(MStatus* ReturnStatus = nullptr) const;
    MString partialPathName(MStatus* ReturnStatus = nullptr) const;

    /// The node's local matrix (identity for shapes).
    MMatrix transformationMatrix(MStatus* ReturnStatus = nullptr) const;
    bool isIntermediateObject(MStatus* ReturnStatus = nullptr) const;
    MStatus setIntermediateObject(bool isIntermediate);
    bool isInstanced(bool indirect = true, MStatus* ReturnStatus = nullptr) const;
};
