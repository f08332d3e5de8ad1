#include "host/api/HostConvert.h"
#include "host/scene/ObjectAccess.h"
#include "host/scene/Scene.h"

#include <maya/MDagPath.h>
#include <maya/MDagPathArray.h>

using namespace vex::host;
using convert::report;

namespace {

const MStatus kInvalidPath(MStatus::kFailure, MString("the DAG path is invalid"));

std::vector<NodePtr> shapesBelow(const Node& node) {
    std::vector<NodePtr> shapes;
    for (const auto& child : node.Children())
        if (child->type().IsShape()) shapes.push_back(child);
    return shapes;
}

MMatrix matrixOf(const NodePtr& node, const char* attribute) {
    auto definition = node ? node->FindAttribute(attribute) : nullptr;
    if (!definition) return MMatrix();
    auto value = Scene::Instance().evaluate(*node, *definition);
    return convert::toMMatrix(std::get<Matrix>(value));
}

} // namespace

MDagPath::MDagPath() = default;

MStatus MDagPath::getAPathTo(const MObject& object, MDagPath& path) {
    auto node = ObjectAccess::LiveNode(object);
    if (!node && ObjectAccess::node(object) == Scene::Instance().World()) node = Scene::Instance().World();
    if (!node || !node->IsDag()) return convert::failure("the object is not a DAG node in the scene");
    path.node_ = node;
    return MStatus::kSuccess;
}

MStatus MDagPath::getAllPathsTo(const MObject& object, MDagPathArray& paths) {
    paths.clear();
    MDagPath path;
    MStatus status = getAPathTo(object, path);
    if (status) paths.append(path);
    return status;
}

bool MDagPath::isValid(MStatus* ReturnStatus) const {
    report(ReturnStatus, MStatus::kSuccess);
    return node_ && (node_->IsAlive() || node_ == Scene::Instance().World());
}

MObject MDagPath::node(MStatus* ReturnStatus) const {
    if (!isValid()) return report(ReturnStatus, kInvalidPath), MObject();
    report(ReturnStatus, MStatus::kSuccess);
    return ObjectAccess::wrap(node_);
}

MObject MDagPath::transform(MStatus* ReturnStatus) const {
    if (!isValid()) return report(ReturnStatus, kInvalidPath), MObject();
    report(ReturnStatus, MStatus::kSuccess);
    for (auto node = node_; node; node = node->parent())
        if (node->HasFn(MFn::kTransform)) return ObjectAccess::wrap(node);
    return ObjectAccess::wrap(Scene::Instance().World());
}

unsigned int MDagPath::length(MStatus* ReturnStatus) const {
    if (!isValid()) return report(ReturnStatus, kInvalidPath), 0u;
    report(ReturnStatus, MStatus::kSuccess);
    unsigned int count = 0;
    for (auto node = node_; node && node != Scene::Instance().World(); node = node->parent()) ++count;
    return count;
}

bool MDagPath::hasFn(MFn::Type type, MStatus* ReturnStatus) const {
    if (!isValid()) return report(ReturnStatus, kInvalidPath), false;
    report(ReturnStatus, MStatus::kSuccess);
    return node_->HasFn(type);
}

MFn::Type MDagPath::apiType(MStatus* ReturnStatus) const {
    if (!isValid()) return report(ReturnStatus, kInvalidPath), MFn::kInvalid;
    report(ReturnStatus, MStatus::kSuccess);
    return node_->ApiType();
}

MStatus MDagPath::extendToShape() {
    if (!isValid()) return kInvalidPath;
    if (node_->type().IsShape()) return MStatus::kSuccess;
    auto shapes = shapesBelow(*node_);
    if (shapes.size() != 1) return convert::failure("the node does not have exactly one shape below it");
    node_ = shapes.front();
    return MStatus::kSuccess;
}

MStatus MDagPath::extendToShapeDirectlyBelow(unsigned int index) {
    if (!isValid()) return kInvalidPath;
    auto shapes = shapesBelow(*node_);
    if (index >= shapes.size())
        return convert::failure("no shape with that index", MStatus::kInvalidParameter);
    node_ = shapes[index];
    return MStatus::kSuccess;
}

MStatus MDagPath::numberOfShapesDirectlyBelow(unsigned int& count) const {
    count = 0;
    if (!isValid()) return kInvalidPath;
    count = static_cast<unsigned int>(shapesBelow(*node_).size());
    return MStatus::kSuccess;
}

MStatus MDagPath::push(const MObject& child) {
    if (!isValid()) return kInvalidPath;
    auto node = ObjectAccess::LiveNode(child);
    if (!node || node->parent() != node_)
        return convert::failure("not a child of the path's node", MStatus::kInvalidParameter);
    node_ = node;
    return MStatus::kSuccess;
}

MStatus MDagPath::pop(unsigned int count) {
    if (!isValid()) return kInvalidPath;
    if (count > length())
        return convert::failure("the path is shorter than that", MStatus::kInvalidParameter);
    for (unsigned int i = 0; i < count; ++i) node_ = node_->parent();
    return MStatus::kSuccess;
}

unsigned int MDagPath::childCount(MStatus* ReturnStatus) const {
    if (!isValid()) return report(ReturnStatus, kInvalidPath), 0u;
    report(ReturnStatus, MStatus::kSuccess);
    return static_cast<unsigned int>(node_->Children().size());
}

MObject MDagPath::child(unsigned int index, MStatus* ReturnStatus) const {
    if (!isValid()) return report(ReturnStatus, kInvalidPath), MObject();
    if (index >= node_->Children().size()) return report(ReturnStatus, MStatus::kInvalidParameter), MObject();
    report(ReturnStatus, MStatus::kSuccess);
    return ObjectAccess::wrap(node_->Children()[index]);
}

MMatrix MDagPath::inclusiveMatrix(MStatus* ReturnStatus) const {
    if (!isValid()) return report(ReturnStatus, kInvalidPath), MMatrix();
    report(ReturnStatus, MStatus::kSuccess);
    return matrixOf(node_, "worldMatrix");
}

MMatrix MDagPath::exclusiveMatrix(MStatus* ReturnStatus) const {
    if (!isValid()) return report(ReturnStatus, kInvalidPath), MMatrix();
    report(ReturnStatus, MStatus::kSuccess);
    return matrixOf(node_, "parentMatrix");
}

MMatrix MDagPath::inclusiveMatrixInverse(MStatus* ReturnStatus) const {
    return inclusiveMatrix(ReturnStatus).inverse();
}

MMatrix MDagPath::exclusiveMatrixInverse(MStatus* ReturnStatus) const {
    return exclusiveMatrix(ReturnStatus).inverse();
}

MString MDagPath::fullPathName(MStatus* ReturnStatus) const {
    if (!isValid()) return report(ReturnStatus, kInvalidPath), MString();
    report(ReturnStatus, MStatus::kSuccess);
    return MString(node_->FullPathName());
}

MString MDagPath::partialPathName(MStatus* ReturnStatus) const {
    if (!isValid()) return report(ReturnStatus, kInvalidPath), MString();
    report(ReturnStatus, MStatus::kSuccess);
    return MString(Scene::Instance().partialPathName(*node_));
}

bool MDagPath::isInstanced(MStatus* ReturnStatus) const {
    report(ReturnStatus, isValid() ? MStatus(MStatus::kSuccess) : kInvalidPath);
    return false;
}

unsigned int MDagPath::instanceNumber(MStatus* ReturnStatus) const {
    report(ReturnStatus, isValid() ? MStatus(MStatus::kSuccess) : kInvalidPath);
    return 0;
}

MStatus MDagPath::set(const MDagPath& source) {
    node_ = source.node_;
    return MStatus::kSuccess;
}

bool MDagPath::operator==(const MDagPath& other) const {
    return node_ == other.node_;
}
