#include "host/api/HostConvert.h"
#include "host/scene/ObjectAccess.h"
#include "host/scene/Scene.h"

#include <maya/MItDependencyNodes.h>

using namespace vex::host;
using convert::report;

MItDependencyNodes::MItDependencyNodes(MFn::Type filter, MStatus* ReturnStatus) {
    report(ReturnStatus, reset(filter));
}

MStatus MItDependencyNodes::reset(MFn::Type filter) {
    filter_ = filter;
    nodes_ = Scene::Instance().nodes();
    index_ = 0;
    skip();
    return MStatus::kSuccess;
}

void MItDependencyNodes::skip() {
    while (index_ < nodes_.size() &&
           (!nodes_[index_]->IsAlive() || (filter_ != MFn::kInvalid && !nodes_[index_]->HasFn(filter_))))
        ++index_;
}

MStatus MItDependencyNodes::next() {
    if (index_ >= nodes_.size()) return convert::failure("the walk is done");
    ++index_;
    skip();
    return MStatus::kSuccess;
}

bool MItDependencyNodes::isDone(MStatus* ReturnStatus) const {
    report(ReturnStatus, MStatus::kSuccess);
    return index_ >= nodes_.size();
}

MObject MItDependencyNodes::thisNode(MStatus* ReturnStatus) const {
    if (index_ >= nodes_.size()) return report(ReturnStatus, convert::failure("the walk is done")), MObject();
    report(ReturnStatus, MStatus::kSuccess);
    return ObjectAccess::wrap(nodes_[index_]);
}
