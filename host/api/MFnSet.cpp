#include "host/api/FnAccess.h"
#include "host/api/MSelectionListAccess.h"

#include <maya/MFnSet.h>

using namespace vex::host;
using convert::report;

MFnSet::MFnSet(const MObject& object, MStatus* ReturnStatus) {
    report(ReturnStatus, setObject(object));
}

MObject MFnSet::create(const MSelectionList& members, Restriction restriction, MStatus* ReturnStatus) {
    MStatus status;
    MObject set =
        MFnDependencyNode::create(restriction == kRenderableOnly ? "shadingEngine" : "objectSet", &status);
    if (status) status = addMembers(members);
    report(ReturnStatus, status);
    return set;
}

MStatus MFnSet::addMember(const MDagPath& path, const MObject&) {
    MStatus status;
    MObject node = path.node(&status);
    return status ? addMember(node) : status;
}

MStatus MFnSet::addMember(const MObject& object) {
    MStatus status;
    auto set = liveNodeOf(*this, &status);
    if (!set) return status;
    auto member = ObjectAccess::LiveNode(object);
    if (!member || !Scene::Instance().AddMember(set, member))
        return convert::failure("the object is not a node in the scene", MStatus::kInvalidParameter);
    return MStatus::kSuccess;
}

MStatus MFnSet::addMembers(const MSelectionList& list) {
    for (const auto& node : MSelectionListAccess::items(list))
        if (MStatus status = addMember(ObjectAccess::wrap(node)); !status) return status;
    return MStatus::kSuccess;
}

MStatus MFnSet::removeMember(const MDagPath& path, const MObject&) {
    MStatus status;
    MObject node = path.node(&status);
    return status ? removeMember(node) : status;
}

MStatus MFnSet::removeMember(const MObject& object) {
    MStatus status;
    auto set = liveNodeOf(*this, &status);
    if (!set) return status;
    return Scene::Instance().RemoveMember(set, ObjectAccess::node(object))
               ? MStatus(MStatus::kSuccess)
               : convert::failure("the object is not a member", MStatus::kInvalidParameter);
}

MStatus MFnSet::clear() {
    MStatus status;
    auto set = liveNodeOf(*this, &status);
    if (!set) return status;
    for (const auto& member : set->Members()) Scene::Instance().RemoveMember(set, member);
    return MStatus::kSuccess;
}

MStatus MFnSet::getMembers(MSelectionList& members, bool) const {
    members.clear();
    MStatus status;
    auto set = liveNodeOf(*this, &status);
    if (!set) return status;
    MSelectionListAccess::items(members) = set->Members();
    return MStatus::kSuccess;
}

bool MFnSet::isMember(const MDagPath& path, const MObject&, MStatus* ReturnStatus) const {
    return isMember(path.node(), ReturnStatus);
}

bool MFnSet::isMember(const MObject& object, MStatus* ReturnStatus) const {
    auto set = liveNodeOf(*this, ReturnStatus);
    auto member = ObjectAccess::LiveNode(object);
    return set && member && set->IsMember(*member);
}

MFnSet::Restriction MFnSet::restriction(MStatus* ReturnStatus) const {
    auto set = liveNodeOf(*this, ReturnStatus);
    return set && set->HasFn(MFn::kShadingEngine) ? kRenderableOnly : kNone;
}
