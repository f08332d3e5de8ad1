#include <maya/MDagPath.h>
#include <maya/MDagPathArray.h>

#include "host/scene/ObjectAccess.h"
#include "host/scene/Scene.h"
#include "host/api/HostConvert.h"

using namespace vex::host;
using convert::report;

namespace {

const MStatus kInvalidPath(MStatus::kFailure, MString("the DAG path is invalid"));

std::vector<NodePtr> shapesBelow(const Node& node) {
    std::vector<NodePtr> shapes;
    for (const auto& child : node.children())
        if (child->type().isShape()) shapes.push_back(child);
    return shapes;
}

MMatrix matrixOf(const NodePtr& node, const char* attribute) {
    auto definition = node ? node->findAttribute(attribute) : nullptr;
    if (!definition) return MMatrix();
    auto value = Scene::instance().evaluate(*node, *definition);
    return convert::toMMatrix(std::get<Matrix>(value));
}

} // namespace

MDagPath::MDagPath() = default;

MStatus MDagPath::getAPathTo(const MObject& object, MDagPath& path) {
    auto node = ObjectAccess::liveNode(object);
    if (!node && ObjectAccess::node(object) == Scene::instance().world()) node = Scene::instance().world();
    if (!node || !node->isDag()) return convert::failure("the object is not a DAG node in the scene");
    path.m_node = node;
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
    return m_node && (m_node->isAlive() || m_node == Scene::instance().world());
}

MObject MDagPath::node(MStatus* ReturnStatus) const {
    if (!isValid()) return report(ReturnStatus, kInvalidPath), MObject();
    report(ReturnStatus, MStatus::kSuccess);
    return ObjectAccess::wrap(m_node);
}

MObject MDagPath::transform(MStatus* ReturnStatus) const {
    if (!isValid()) return report(ReturnStatus, kInvalidPath), MObject();
    report(ReturnStatus, MStatus::kSuccess);
    for (auto node = m_node; node; node = node->parent())
        if (node->hasFn(MFn::kTransform)) return ObjectAccess::wrap(node);
    return ObjectAccess::wrap(Scene::instance().world());
}

unsigned int MDagPath::length(MStatus* ReturnStatus) const {
    if (!isValid()) return report(ReturnStatus, kInvalidPath), 0u;
    report(ReturnStatus, MStatus::kSuccess);
    unsigned int count = 0;
    for (auto node = m_node; node && node != Scene::instance().world(); node = node->parent()) ++count;
    return count;
}

bool MDagPath::hasFn(MFn::Type type, MStatus* ReturnStatus) const {
    if (!isValid()) return report(ReturnStatus, kInvalidPath), false;
    report(ReturnStatus, MStatus::kSuccess);
    return m_node->hasFn(type);
}

MFn::Type MDagPath::apiType(MStatus* ReturnStatus) const {
    if (!isValid()) return report(ReturnStatus, kInvalidPath), MFn::kInvalid;
    report(ReturnStatus, MStatus::kSuccess);
    return m_node->apiType();
}

MStatus MDagPath::extendToShape() {
    if (!isValid()) return kInvalidPath;
    if (m_node->type().isShape()) return MStatus::kSuccess;
    auto shapes = shapesBelow(*m_node);
    if (shapes.size() != 1) return convert::failure("the node does not have exactly one shape below it");
    m_node = shapes.front();
    return MStatus::kSuccess;
}

MStatus MDagPath::extendToShapeDirectlyBelow(unsigned int index) {
    if (!isValid()) return kInvalidPath;
    auto shapes = shapesBelow(*m_node);
    if (index >= shapes.size())
        return convert::failure("no shape with that index", MStatus::kInvalidParameter);
    m_node = shapes[index];
    return MStatus::kSuccess;
}

MStatus MDagPath::numberOfShapesDirectlyBelow(unsigned int& count) const {
    count = 0;
    if (!isValid()) return kInvalidPath;
    count = static_cast<unsigned int>(shapesBelow(*m_node).size());
    return MStatus::kSuccess;
}

MStatus MDagPath::push(const MObject& child) {
    if (!isValid()) return kInvalidPath;
    auto node = ObjectAccess::liveNode(child);
    if (!node || node->parent() != m_node)
        return convert::failure("not a child of the path's node", MStatus::kInvalidParameter);
    m_node = node;
    return MStatus::kSuccess;
}

MStatus MDagPath::pop(unsigned int count) {
    if (!isValid()) return kInvalidPath;
    if (count > length())
        return convert::failure("the path is shorter than that", MStatus::kInvalidParameter);
    for (unsigned int i = 0; i < count; ++i) m_node = m_node->parent();
    return MStatus::kSuccess;
}

unsigned int MDagPath::childCount(MStatus* ReturnStatus) const {
    if (!isValid()) return report(ReturnStatus, kInvalidPath), 0u;
    report(ReturnStatus, MStatus::kSuccess);
    return static_cast<unsigned int>(m_node->children().size());
}

MObject MDagPath::child(unsigned int index, MStatus* ReturnStatus) const {
    if (!isValid()) return report(ReturnStatus, kInvalidPath), MObject();
    if (index >= m_node->children().size())
        return report(ReturnStatus, MStatus::kInvalidParameter), MObject();
    report(ReturnStatus, MStatus::kSuccess);
    return ObjectAccess::wrap(m_node->children()[index]);
}

MMatrix MDagPath::inclusiveMatrix(MStatus* ReturnStatus) const {
    if (!isValid()) return report(ReturnStatus, kInvalidPath), MMatrix();
    report(ReturnStatus, MStatus::kSuccess);
    return matrixOf(m_node, "worldMatrix");
}

MMatrix MDagPath::exclusiveMatrix(MStatus* ReturnStatus) const {
    if (!isValid()) return report(ReturnStatus, kInvalidPath), MMatrix();
    report(ReturnStatus, MStatus::kSuccess);
    return matrixOf(m_node, "parentMatrix");
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
    return MString(m_node->fullPathName());
}

MString MDagPath::partialPathName(MStatus* ReturnStatus) const {
    if (!isValid()) return report(ReturnStatus, kInvalidPath), MString();
    report(ReturnStatus, MStatus::kSuccess);
    return MString(Scene::instance().partialPathName(*m_node));
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
    m_node = source.m_node;
    return MStatus::kSuccess;
}

bool MDagPath::operator==(const MDagPath& other) const {
    return m_node == other.m_node;
}
