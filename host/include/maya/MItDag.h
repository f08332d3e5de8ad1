#pragma once

#include <maya/MDagPath.h>
#include <maya/MFn.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include <memory>
#include <vector>

namespace vex::host {
class Node;
}

/// Walks the DAG below a root (the world by default), the root first, depth first or breadth first,
/// answering only nodes of the filter type (kInvalid: all). The walk order is fixed when the walk starts.
class MItDag {
public:
    enum TraversalType { kInvalidType, kDepthFirst, kBreadthFirst };

    explicit MItDag(TraversalType type = kDepthFirst, MFn::Type filter = MFn::kInvalid,
                    MStatus* ReturnStatus = nullptr);

    /// Starts again below a new root.
    MStatus reset(const MObject& root, TraversalType type = kDepthFirst, MFn::Type filter = MFn::kInvalid);
    MStatus reset(const MDagPath& root, TraversalType type = kDepthFirst, MFn::Type filter = MFn::kInvalid);
    MStatus reset();

    MStatus next();
    bool isDone(MStatus* ReturnStatus = nullptr) const;
    /// Skips the nodes below the current one.
    MStatus prune();

    MObject currentItem(MStatus* ReturnStatus = nullptr) const;
    MObject item(MStatus* ReturnStatus = nullptr) const { return currentItem(ReturnStatus); }
    MStatus getPath(MDagPath& path) const;
    MString fullPathName(MStatus* ReturnStatus = nullptr) const;
    MString partialPathName(MStatus* ReturnStatus = nullptr) const;
    /// Depth of the current node below the root (the root is 0).
    unsigned int depth(MStatus* ReturnStatus = nullptr) const;
    MObject root(MStatus* ReturnStatus = nullptr) const;

private:
    void start(const std::shared_ptr<vex::host::Node>& root);
    void skipFiltered();

    struct Entry {
        std::shared_ptr<vex::host::Node> node;
        unsigned int depth;
    };
    std::shared_ptr<vex::host::Node> root_;
    std::vector<Entry> order_;
    std::size_t index_ = 0;
    TraversalType type_;
    MFn::Type filter_;
};
