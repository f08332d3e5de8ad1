#include "host/api/HostConvert.h"
#include "host/api/MSelectionListAccess.h"
#include "host/scene/ObjectAccess.h"
#include "host/scene/Scene.h"

#include <maya/MItSelectionList.h>
#include <maya/MPlug.h>
#include <maya/MStringArray.h>

using vex::host::convert::failure;
using vex::host::convert::report;

namespace {

MStatus done() {
    return failure("the iterator is past the last item");
}

} // namespace

MItSelectionList::MItSelectionList(const MSelectionList& list, MFn::Type filter, MStatus* ReturnStatus)
    : list_(list), filter_(filter) {
    skip();
    report(ReturnStatus, MStatus::kSuccess);
}

void MItSelectionList::skip() {
    const auto& items = MSelectionListAccess::items(list_);
    while (index_ < items.size() && filter_ != MFn::kInvalid && !items[index_]->HasFn(filter_)) ++index_;
}

bool MItSelectionList::isDone(MStatus* ReturnStatus) {
    report(ReturnStatus, MStatus::kSuccess);
    return index_ >= MSelectionListAccess::items(list_).size();
}

MStatus MItSelectionList::next() {
    if (isDone()) return done();
    ++index_;
    skip();
    return MStatus::kSuccess;
}

MStatus MItSelectionList::reset() {
    index_ = 0;
    skip();
    return MStatus::kSuccess;
}

MStatus MItSelectionList::setFilter(MFn::Type filter) {
    filter_ = filter;
    return reset();
}

MStatus MItSelectionList::getDependNode(MObject& depNode) {
    return isDone() ? done() : list_.getDependNode(index_, depNode);
}

MStatus MItSelectionList::getDagPath(MDagPath& dagPath, MObject& component) {
    component = MObject();
    return getDagPath(dagPath);
}

MStatus MItSelectionList::getDagPath(MDagPath& dagPath) {
    if (isDone()) return done();
    if (!MSelectionListAccess::items(list_)[index_]->IsDag()) return failure("the item is not a DAG node");
    return list_.getDagPath(index_, dagPath);
}

MStatus MItSelectionList::getStrings(MStringArray& array) {
    if (isDone()) return done();
    array.clear();
    const auto& node = MSelectionListAccess::items(list_)[index_];
    array.append(MString(vex::host::Scene::Instance().partialPathName(*node)));
    return MStatus::kSuccess;
}

MStatus MItSelectionList::getPlug(MPlug&) {
    return failure("the list holds no plugs");
}

MItSelectionList::selItemType MItSelectionList::itemType(MStatus* ReturnStatus) {
    if (isDone()) return report(ReturnStatus, done()), kUnknownItem;
    report(ReturnStatus, MStatus::kSuccess);
    return MSelectionListAccess::items(list_)[index_]->IsDag() ? kDagSelectionItem : kDNselectionItem;
}

bool MItSelectionList::hasComponents(MStatus* ReturnStatus) const {
    report(ReturnStatus, MStatus::kSuccess);
    return false;
}

const char* MItSelectionList::className() {
    return "MItSelectionList";
}
