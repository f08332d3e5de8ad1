#include "host/api/MPxNodeAccess.h"
#include "host/api/PluginCompute.h"
#include "host/scene/Node.h"
#include "host/scene/NodeType.h"
#include "host/scene/ObjectAccess.h"

using vex::host::Node;

MStatus MPxNode::compute(const MPlug&, MDataBlock&) {
    return MStatus::kUnknownParameter;
}

MStatus MPxNode::setDependentsDirty(const MPlug&, MPlugArray&) {
    return MStatus::kSuccess;
}

MObject MPxNode::thisMObject() const {
    Node* node = MPxNodeAccess::node(*this);
    return node ? vex::host::ObjectAccess::wrap(node->shared_from_this()) : MObject();
}

MString MPxNode::name() const {
    Node* node = MPxNodeAccess::node(*this);
    return node ? MString(node->name()) : MString();
}

MTypeId MPxNode::typeId() const {
    Node* node = MPxNodeAccess::node(*this);
    return node ? MTypeId(node->type().TypeId()) : MTypeId();
}

MString MPxNode::typeName() const {
    Node* node = MPxNodeAccess::node(*this);
    return node ? MString(node->type().name()) : MString();
}

MStatus MPxNode::addAttribute(const MObject& attr) {
    vex::host::NodeType* type = MPxNodeAccess::typeBeingInitialized();
    if (!type)
        return MStatus(MStatus::kFailure, "addAttribute is only valid in a node type's initialize function");
    const vex::host::AttributePtr attribute = vex::host::ObjectAccess::Attribute(attr);
    if (!attribute) return MStatus(MStatus::kInvalidParameter, "the object is not an attribute");
    if (!type->AddAttribute(attribute))
        return MStatus(MStatus::kInvalidParameter, "the attribute's name is already used by the type");
    return MStatus::kSuccess;
}

MStatus MPxNode::attributeAffects(const MObject& whenChanges, const MObject& isAffected) {
    const vex::host::AttributePtr input = vex::host::ObjectAccess::Attribute(whenChanges);
    const vex::host::AttributePtr output = vex::host::ObjectAccess::Attribute(isAffected);
    if (!input || !output) return MStatus(MStatus::kInvalidParameter, "both objects must be attributes");
    vex::host::PluginCompute* compute = MPxNodeAccess::computeBeingInitialized();
    if (!compute)
        return MStatus(MStatus::kFailure,
                       "attributeAffects is only valid in a node type's initialize function");
    compute->AddAffects(input, output);
    return MStatus::kSuccess;
}
