#pragma once

#include <maya/MFn.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>

#include <memory>
#include <vector>

namespace vex::host {
class Node;
}

/// Walks every node of the scene in the order the nodes entered it, answering only nodes of the filter
/// type (kInvalid: all). The nodes are fixed when the walk starts; nodes deleted meanwhile are skipped.
class MItDependencyNodes {
public:
    explicit MItDependencyNodes(MFn::Type filter = MFn::kInvalid, MStatus* ReturnStatus = nullptr);

    MStatus reset(MFn::Type filter = MFn::kInvalid);
    MStatus next();
    bool isDone(MStatus* ReturnStatus = nullptr) const;
    MObject thisNode(MStatus* ReturnStatus = nullptr) const;
    MObject item(MStatus* ReturnStatus = nullptr) const { return thisNode(ReturnStatus); }

private:
    void skip();

    std::vector<std::shared_ptr<vex::host::Node>> nodes_;
    std::size_t index_ = 0;
    MFn::Type filter_ = MFn::kInvalid;
};
