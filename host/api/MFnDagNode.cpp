#include "host/api/FnAccess.h"
#include "host/api/NodeCreation.h"
#include "host/scene/Scene.h"

#include <maya/MFnDagNode.h>

using namespace vex::host;
using convert::report;

MFnDagNode::MFnDagNode(const MObject& object, MStatus* ReturnStatus) {
    report(ReturnStatus, setObject(object));
}

MFnDagNode::MFnDagNode(const MDagPath& path, MStatus* ReturnStatus) {
    report(ReturnStatus, setObject(path));
}

MStatus MFnDagNode::setObject(const MObject& object) {
    return MFnDependencyNode::setObject(object);
}

MStatus MFnDagNode::setObject(const MDagPath& path) {
    MStatus status;
    MObject node = path.node(&status);
    if (!status) {
        object_ = MObject();
        return status;
    }
    return setObject(node);
}

MObject MFnDagNode::create(const MString& typeName, const MObject& parent, MStatus* ReturnStatus) {
    return create(typeName, MString(), parent, ReturnStatus);
}

MObject MFnDagNode::create(const MString& typeName, const MString& name, const MObject& parent,
                           MStatus* ReturnStatus) {
    auto parentNode = ObjectAccess::node(parent);
    NewNodes nodes;
    std::string error;
    if (!makeNodes(typeName.str(), parentNode, name.str(), nodes, error) || !nodes.node->IsDag())
        return report(ReturnStatus, convert::failure(error.empty() ? "not a DAG node type" : error,
                                                     MStatus::kInvalidParameter)),
               MObject();
    insertNodes(nodes, parentNode);
    object_ = ObjectAccess::wrap(nodes.node);
    report(ReturnStatus, MStatus::kSuccess);
    return ObjectAccess::wrap(nodes.result());
}

unsigned int MFnDagNode::parentCount(MStatus* ReturnStatus) const {
    auto node = liveNodeOf(*this, ReturnStatus);
    return node && node->parent() ? 1u : 0u;
}

MObject MFnDagNode::parent(unsigned int index, MStatus* ReturnStatus) const {
    auto node = liveNodeOf(*this, ReturnStatus);
    if (!node) return MObject();
    if (index != 0 || !node->parent()) return report(ReturnStatus, MStatus::kInvalidParameter), MObject();
    return ObjectAccess::wrap(node->parent());
}

unsigned int MFnDagNode::childCount(MStatus* ReturnStatus) const {
    auto node = liveNodeOf(*this, ReturnStatus);
    return node ? static_cast<unsigned int>(node->Children().size()) : 0u;
}

MObject MFnDagNode::child(unsigned int index, MStatus* ReturnStatus) const {
    auto node = liveNodeOf(*this, ReturnStatus);
    if (!node) return MObject();
    if (index >= node->Children().size()) return report(ReturnStatus, MStatus::kInvalidParameter), MObject();
    return ObjectAccess::wrap(node->Children()[index]);
}

MStatus MFnDagNode::addChild(MObject& child, unsigned int index, bool) {
    MStatus status;
    auto node = liveNodeOf(*this, &status);
    if (!node) return status;
    auto childNode = ObjectAccess::LiveNode(child);
    const int place = index == kNextPos ? -1 : static_cast<int>(index);
    if (!childNode || !Scene::Instance().ReparentNode(childNode, node, place))
        return convert::failure("the node cannot become a child here", MStatus::kInvalidParameter);
    return MStatus::kSuccess;
}

MStatus MFnDagNode::removeChild(MObject& child) {
    MStatus status;
    auto node = liveNodeOf(*this, &status);
    if (!node) return status;
    auto childNode = ObjectAccess::LiveNode(child);
    if (!childNode || childNode->parent() != node)
        return convert::failure("not a child", MStatus::kInvalidParameter);
    return Scene::Instance().ReparentNode(childNode, nullptr)
               ? MStatus(MStatus::kSuccess)
               : convert::failure("a shape cannot go to the world");
}

MStatus MFnDagNode::removeChildAt(unsigned int index) {
    MStatus status;
    MObject node = child(index, &status);
    return status ? removeChild(node) : status;
}

bool MFnDagNode::hasParent(const MObject& other, MStatus* ReturnStatus) const {
    auto node = liveNodeOf(*this, ReturnStatus);
    return node && node->parent() && node->parent() == ObjectAccess::node(other);
}

bool MFnDagNode::hasChild(const MObject& other, MStatus* ReturnStatus) const {
    auto node = liveNodeOf(*this, ReturnStatus);
    auto childNode = ObjectAccess::node(other);
    return node && childNode && childNode->parent() == node;
}

bool MFnDagNode::isChildOf(const MObject& other, MStatus* ReturnStatus) const {
    return hasParent(other, ReturnStatus);
}

bool MFnDagNode::isParentOf(const MObject& other, MStatus* ReturnStatus) const {
    return hasChild(other, ReturnStatus);
}

MStatus MFnDagNode::getPath(MDagPath& path) const {
    MStatus status;
    auto node = liveNodeOf(*this, &status);
    return node ? MDagPath::getAPathTo(object_, path) : status;
}

MDagPath MFnDagNode::dagPath(MStatus* ReturnStatus) const {
    MDagPath path;
    report(ReturnStatus, getPath(path));
    return path;
}

MString MFnDagNode::fullPathName(MStatus* ReturnStatus) const {
    auto node = liveNodeOf(*this, ReturnStatus);
    return node ? MString(node->FullPathName()) : MString();
}

MString MFnDagNode::partialPathName(MStatus* ReturnStatus) const {
    auto node = liveNodeOf(*this, ReturnStatus);
    return node ? MString(Scene::Instance().partialPathName(*node)) : MString();
}

MMatrix MFnDagNode::transformationMatrix(MStatus* ReturnStatus) const {
    auto node = liveNodeOf(*this, ReturnStatus);
    auto attribute = node ? node->FindAttribute("matrix") : nullptr;
    if (!attribute) return MMatrix();
    return convert::toMMatrix(std::get<Matrix>(Scene::Instance().evaluate(*node, *attribute)));
}

bool MFnDagNode::isIntermediateObject(MStatus* ReturnStatus) const {
    auto node = liveNodeOf(*this, ReturnStatus);
    return node && ToBool(Scene::Instance().evaluate(*node, *node->FindAttribute("intermediateObject")));
}

MStatus MFnDagNode::setIntermediateObject(bool isIntermediate) {
    MStatus status;
    auto node = liveNodeOf(*this, &status);
    if (!node) return status;
    Scene::Instance().setValue(node, node->FindAttribute("intermediateObject"), isIntermediate);
    return MStatus::kSuccess;
}

bool MFnDagNode::isInstanced(bool, MStatus* ReturnStatus) const {
    liveNodeOf(*this, ReturnStatus);
    return false;
}
