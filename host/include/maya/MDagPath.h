#pragma once

#include <maya/MFn.h>
#include <maya/MMatrix.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include <memory>

class MDagPathArray;

namespace vex::host {
class Node;
}

/// The path from the world to a DAG node. There is no instancing in this host, so every DAG node has
/// exactly one path; a path follows its node when the node is reparented. A path to a deleted node is
/// invalid and its operations answer failure.
class MDagPath {
public:
    /// An empty, invalid path.
    MDagPath();

    /// The path to a DAG node (the world gives a valid path of length 0).
    static MStatus getAPathTo(const MObject& node, MDagPath& path);
    /// All paths to a DAG node: exactly one.
    static MStatus getAllPathsTo(const MObject& node, MDagPathArray& paths);

    /// True while the path's node is in the scene.
    bool isValid(MStatus* ReturnStatus = nullptr) const;
    /// The last node of the path.
    MObject node(MStatus* ReturnStatus = nullptr) const;
    /// The last transform of the path: the node itself, or the transform above a shape.
    MObject transform(MStatus* ReturnStatus = nullptr) const;
    /// Number of nodes below the world on the path.
    unsigned int length(MStatus* ReturnStatus = nullptr) const;

    bool hasFn(MFn::Type type, MStatus* ReturnStatus = nullptr) const;
    MFn::Type apiType(MStatus* ReturnStatus = nullptr) const;

    /// Extends the path to the node's only shape (a path already ending on a shape stays). Fails when
    /// the transform has no shape or more than one.
    MStatus extendToShape();
    /// Extends the path to the index-th shape directly below the transform.
    MStatus extendToShapeDirectlyBelow(unsigned int index);
    /// Number of shapes directly below the path's node.
    MStatus numberOfShapesDirectlyBelow(unsigned int& count) const;

    /// Extends the path to a child of its node.
    MStatus push(const MObject& child);
    /// Removes the last nodes of the path (up to the world).
    MStatus pop(unsigned int count = 1);

    unsigned int childCount(MStatus* ReturnStatus = nullptr) const;
    MObject child(unsigned int index, MStatus* ReturnStatus = nullptr) const;

    /// Product of the local matrices along the path, the node's own included.
    MMatrix inclusiveMatrix(MStatus* ReturnStatus = nullptr) const;
    /// Product of the local matrices of the nodes above the path's node.
    MMatrix exclusiveMatrix(MStatus* ReturnStatus = nullptr) const;
    MMatrix inclusiveMatrixInverse(MStatus* ReturnStatus = nullptr) const;
    MMatrix exclusiveMatrixInverse(MStatus* ReturnStatus = nullptr) const;

    /// "|parent|child"; "" for the world.
    MString fullPathName(MStatus* ReturnStatus = nullptr) const;
    /// The shortest unique form of the path ("child", or "parent|child" when the name is not unique).
    MString partialPathName(MStatus* ReturnStatus = nullptr) const;

    bool isInstanced(MStatus* ReturnStatus = nullptr) const;
    unsigned int instanceNumber(MStatus* ReturnStatus = nullptr) const;

    MStatus set(const MDagPath& source);

    /// True when both paths lead to the same node (two invalid paths are equal).
    bool operator==(const MDagPath& other) const;
    bool operator!=(const MDagPath& other) const { return !(*this == other); }

private:
    std::shared_ptr<vex::host::Node> node_;
};
