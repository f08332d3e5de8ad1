#include "host/api/FnAccess.h"
#include "host/scene/Scene.h"

#include <maya/MFnTransform.h>

using namespace vex::host;
using convert::report;

namespace {

Double3 triple(const Node& node, const char* name) {
    auto value = Scene::Instance().evaluate(node, *node.FindAttribute(name));
    return std::get<Double3>(value);
}

MStatus setTriple(const NodePtr& node, const char* name, const Double3& value) {
    return Scene::Instance().setValue(node, node->FindAttribute(name), value)
               ? MStatus(MStatus::kSuccess)
               : convert::failure(std::string("cannot set ") + name + " of " + node->name());
}

MTransformationMatrix::RotationOrder orderOf(const Node& node) {
    int ro = ToInt(Scene::Instance().evaluate(node, *node.FindAttribute("rotateOrder")));
    return static_cast<MTransformationMatrix::RotationOrder>(ro + 1);
}

MTransformationMatrix transformationOf(const Node& node) {
    MTransformationMatrix transform;
    auto t = triple(node, "translate");
    auto r = triple(node, "rotate");
    auto s = triple(node, "scale");
    transform.setTranslation(MVector(t[0], t[1], t[2]), MSpace::kTransform);
    transform.setRotation(r.data(), orderOf(node));
    transform.setScale(s.data(), MSpace::kTransform);
    return transform;
}

MStatus applyTransformation(const NodePtr& node, const MTransformationMatrix& transform) {
    double angles[3], scale[3];
    MTransformationMatrix::RotationOrder order;
    transform.getRotation(angles, order);
    transform.getScale(scale, MSpace::kTransform);
    MVector t = transform.getTranslation(MSpace::kTransform);
    if (order > MTransformationMatrix::kInvalid && order < MTransformationMatrix::kLast)
        Scene::Instance().setValue(node, node->FindAttribute("rotateOrder"), static_cast<int>(order) - 1);
    MStatus status = setTriple(node, "translate", {t.x, t.y, t.z});
    if (status) status = setTriple(node, "rotate", {angles[0], angles[1], angles[2]});
    if (status) status = setTriple(node, "scale", {scale[0], scale[1], scale[2]});
    return status;
}

MMatrix parentWorld(const Node& node) {
    auto value = Scene::Instance().evaluate(node, *node.FindAttribute("parentMatrix"));
    return convert::toMMatrix(std::get<Matrix>(value));
}

} // namespace

MFnTransform::MFnTransform(const MObject& object, MStatus* ReturnStatus) {
    report(ReturnStatus, setObject(object));
}

MFnTransform::MFnTransform(const MDagPath& path, MStatus* ReturnStatus) {
    report(ReturnStatus, MFnDagNode::setObject(path));
}

MObject MFnTransform::create(const MObject& parent, MStatus* ReturnStatus) {
    return MFnDagNode::create("transform", parent, ReturnStatus);
}

MTransformationMatrix MFnTransform::transformation(MStatus* ReturnStatus) const {
    auto node = liveNodeOf(*this, ReturnStatus);
    return node ? transformationOf(*node) : MTransformationMatrix();
}

MStatus MFnTransform::set(const MTransformationMatrix& transform) {
    MStatus status;
    auto node = liveNodeOf(*this, &status);
    return node ? applyTransformation(node, transform) : status;
}

MStatus MFnTransform::set(const MMatrix& matrix) {
    MStatus status;
    auto node = liveNodeOf(*this, &status);
    if (!node) return status;
    MTransformationMatrix transform(matrix);
    transform.reorderRotation(orderOf(*node));
    return applyTransformation(node, transform);
}

MVector MFnTransform::getTranslation(MSpace::Space space, MStatus* ReturnStatus) const {
    auto node = liveNodeOf(*this, ReturnStatus);
    if (!node) return MVector();
    auto t = triple(*node, "translate");
    if (space != MSpace::kWorld) return MVector(t[0], t[1], t[2]);
    auto world = Scene::Instance().evaluate(*node, *node->FindAttribute("worldMatrix"));
    const auto& m = std::get<Matrix>(world);
    return MVector(m[12], m[13], m[14]);
}

MStatus MFnTransform::setTranslation(const MVector& vector, MSpace::Space space) {
    MStatus status;
    auto node = liveNodeOf(*this, &status);
    if (!node) return status;
    MVector local = vector;
    if (space == MSpace::kWorld) {
        MMatrix toParent = parentWorld(*node).inverse();
        local = MVector(vector.x * toParent(0, 0) + vector.y * toParent(1, 0) + vector.z * toParent(2, 0) +
                            toParent(3, 0),
                        vector.x * toParent(0, 1) + vector.y * toParent(1, 1) + vector.z * toParent(2, 1) +
                            toParent(3, 1),
                        vector.x * toParent(0, 2) + vector.y * toParent(1, 2) + vector.z * toParent(2, 2) +
                            toParent(3, 2));
    }
    return setTriple(node, "translate", {local.x, local.y, local.z});
}

MStatus MFnTransform::translateBy(const MVector& vector, MSpace::Space space) {
    MStatus status;
    MVector current = getTranslation(space, &status);
    return status ? setTranslation(current + vector, space) : status;
}

MStatus MFnTransform::getRotation(MEulerRotation& rotation) const {
    MStatus status;
    auto node = liveNodeOf(*this, &status);
    if (!node) return status;
    auto r = triple(*node, "rotate");
    rotation = MEulerRotation(r[0], r[1], r[2], MTransformationMatrix::toEulerOrder(orderOf(*node)));
    return MStatus::kSuccess;
}

MStatus MFnTransform::getRotation(MQuaternion& rotation, MSpace::Space) const {
    MStatus status;
    MTransformationMatrix transform = transformation(&status);
    if (status) rotation = transform.rotation();
    return status;
}

MStatus MFnTransform::setRotation(const MEulerRotation& rotation) {
    MStatus status;
    auto node = liveNodeOf(*this, &status);
    if (!node) return status;
    // The rotation's order becomes the node's rotate order.
    const int order = static_cast<int>(MTransformationMatrix::fromEulerOrder(rotation.order)) - 1;
    Scene::Instance().setValue(node, node->FindAttribute("rotateOrder"), order);
    return setTriple(node, "rotate", {rotation.x, rotation.y, rotation.z});
}

MStatus MFnTransform::setRotation(const MQuaternion& rotation, MSpace::Space) {
    MStatus status;
    auto node = liveNodeOf(*this, &status);
    if (!node) return status;
    MTransformationMatrix transform = transformationOf(*node);
    transform.rotateTo(rotation);
    return applyTransformation(node, transform);
}

MStatus MFnTransform::rotateBy(const MEulerRotation& rotation, MSpace::Space space) {
    MStatus status;
    auto node = liveNodeOf(*this, &status);
    if (!node) return status;
    MTransformationMatrix transform = transformationOf(*node);
    transform.rotateBy(rotation, space);
    return applyTransformation(node, transform);
}

MStatus MFnTransform::getScale(double scale[3]) const {
    MStatus status;
    auto node = liveNodeOf(*this, &status);
    if (!node) return status;
    auto s = triple(*node, "scale");
    for (int i = 0; i < 3; ++i) scale[i] = s[i];
    return MStatus::kSuccess;
}

MStatus MFnTransform::setScale(const double scale[3]) {
    MStatus status;
    auto node = liveNodeOf(*this, &status);
    return node ? setTriple(node, "scale", {scale[0], scale[1], scale[2]}) : status;
}

MStatus MFnTransform::scaleBy(const double scale[3]) {
    double current[3];
    MStatus status = getScale(current);
    if (!status) return status;
    for (int i = 0; i < 3; ++i) current[i] *= scale[i];
    return setScale(current);
}

MTransformationMatrix::RotationOrder MFnTransform::rotationOrder(MStatus* ReturnStatus) const {
    auto node = liveNodeOf(*this, ReturnStatus);
    return node ? orderOf(*node) : MTransformationMatrix::kInvalid;
}

MStatus MFnTransform::setRotationOrder(MTransformationMatrix::RotationOrder order, bool reorder) {
    MStatus status;
    auto node = liveNodeOf(*this, &status);
    if (!node) return status;
    if (order <= MTransformationMatrix::kInvalid || order >= MTransformationMatrix::kLast)
        return convert::failure("invalid rotation order", MStatus::kInvalidParameter);
    if (!reorder) {
        Scene::Instance().setValue(node, node->FindAttribute("rotateOrder"), static_cast<int>(order) - 1);
        return MStatus::kSuccess;
    }
    MTransformationMatrix transform = transformationOf(*node);
    transform.reorderRotation(order);
    return applyTransformation(node, transform);
}
