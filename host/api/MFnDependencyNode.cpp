#include "host/api/FnAccess.h"
#include "host/api/NodeCreation.h"
#include "host/scene/NodeTypeRegistry.h"
#include "host/scene/Scene.h"

#include <maya/MFnDependencyNode.h>
#include <maya/MPlugArray.h>

using namespace vex::host;
using convert::report;

MFnDependencyNode::MFnDependencyNode(const MObject& object, MStatus* ReturnStatus) {
    report(ReturnStatus, setObject(object));
}

MObject MFnDependencyNode::create(const MString& typeName, MStatus* ReturnStatus) {
    return create(typeName, MString(), ReturnStatus);
}

MObject MFnDependencyNode::create(const MString& typeName, const MString& name, MStatus* ReturnStatus) {
    NewNodes nodes;
    std::string error;
    if (!makeNodes(typeName.str(), nullptr, name.str(), nodes, error))
        return report(ReturnStatus, convert::failure(error, MStatus::kInvalidParameter)), MObject();
    insertNodes(nodes, nullptr);
    object_ = ObjectAccess::wrap(nodes.node);
    report(ReturnStatus, MStatus::kSuccess);
    return ObjectAccess::wrap(nodes.result());
}

MObject MFnDependencyNode::create(const MTypeId& typeId, MStatus* ReturnStatus) {
    auto type = NodeTypeRegistry::Instance().Find(static_cast<std::uint32_t>(typeId.id()));
    if (!type)
        return report(ReturnStatus, convert::failure("unknown type id", MStatus::kInvalidParameter)),
               MObject();
    return create(MString(type->name()), ReturnStatus);
}

MString MFnDependencyNode::name(MStatus* ReturnStatus) const {
    auto node = liveNodeOf(*this, ReturnStatus);
    return node ? MString(node->name()) : MString();
}

MString MFnDependencyNode::setName(const MString& name, bool, MStatus* ReturnStatus) {
    auto node = liveNodeOf(*this, ReturnStatus);
    if (!node) return MString();
    auto given = Scene::Instance().renameNode(node, name.str());
    if (given.empty())
        report(ReturnStatus,
               convert::failure("invalid name \"" + name.str() + "\"", MStatus::kInvalidParameter));
    return MString(node->name());
}

MString MFnDependencyNode::typeName(MStatus* ReturnStatus) const {
    auto node = liveNodeOf(*this, ReturnStatus);
    return node ? MString(node->type().name()) : MString();
}

MTypeId MFnDependencyNode::typeId(MStatus* ReturnStatus) const {
    auto node = liveNodeOf(*this, ReturnStatus);
    return node ? MTypeId(node->type().TypeId()) : MTypeId();
}

MPlug MFnDependencyNode::findPlug(const MString& attributeName, MStatus* ReturnStatus) const {
    auto node = liveNodeOf(*this, ReturnStatus);
    if (!node) return MPlug();
    auto attribute = node->FindAttribute(attributeName.str());
    if (!attribute)
        return report(ReturnStatus,
                      convert::failure("no attribute \"" + attributeName.str() + "\" on " + node->name(),
                                       MStatus::kInvalidParameter)),
               MPlug();
    return MPlug(object_, ObjectAccess::wrap(attribute));
}

MPlug MFnDependencyNode::findPlug(const MString& attributeName, bool, MStatus* ReturnStatus) const {
    return findPlug(attributeName, ReturnStatus);
}

MPlug MFnDependencyNode::findPlug(const MObject& attribute, MStatus* ReturnStatus) const {
    auto node = liveNodeOf(*this, ReturnStatus);
    auto definition = ObjectAccess::Attribute(attribute);
    if (!node) return MPlug();
    if (!definition || !node->HasAttribute(*definition))
        return report(ReturnStatus,
                      convert::failure("the attribute is not on the node", MStatus::kInvalidParameter)),
               MPlug();
    return MPlug(object_, attribute);
}

MPlug MFnDependencyNode::findPlug(const MObject& attribute, bool, MStatus* ReturnStatus) const {
    return findPlug(attribute, ReturnStatus);
}

MObject MFnDependencyNode::attribute(const MString& attributeName, MStatus* ReturnStatus) const {
    auto node = liveNodeOf(*this, ReturnStatus);
    if (!node) return MObject();
    auto attribute = node->FindAttribute(attributeName.str());
    if (!attribute) report(ReturnStatus, MStatus::kInvalidParameter);
    return ObjectAccess::wrap(attribute);
}

unsigned int MFnDependencyNode::attributeCount(MStatus* ReturnStatus) const {
    auto node = liveNodeOf(*this, ReturnStatus);
    return node ? static_cast<unsigned int>(node->Attributes().size()) : 0u;
}

MObject MFnDependencyNode::attribute(unsigned int index, MStatus* ReturnStatus) const {
    auto node = liveNodeOf(*this, ReturnStatus);
    if (!node) return MObject();
    auto all = node->Attributes();
    if (index >= all.size()) return report(ReturnStatus, MStatus::kInvalidParameter), MObject();
    return ObjectAccess::wrap(all[index]);
}

bool MFnDependencyNode::hasAttribute(const MString& attributeName, MStatus* ReturnStatus) const {
    auto node = liveNodeOf(*this, ReturnStatus);
    return node && node->FindAttribute(attributeName.str());
}

MStatus MFnDependencyNode::addAttribute(const MObject& attribute) {
    MStatus status;
    auto node = liveNodeOf(*this, &status);
    if (!node) return status;
    auto definition = ObjectAccess::Attribute(attribute);
    if (!definition) return convert::failure("the object is not an attribute", MStatus::kInvalidParameter);
    if (!Scene::Instance().AddAttribute(node, definition))
        return convert::failure("attribute \"" + definition->LongName() + "\" cannot be added to " +
                                    node->name(),
                                MStatus::kInvalidParameter);
    return MStatus::kSuccess;
}

MStatus MFnDependencyNode::removeAttribute(const MObject& attribute) {
    MStatus status;
    auto node = liveNodeOf(*this, &status);
    if (!node) return status;
    auto definition = ObjectAccess::Attribute(attribute);
    if (!definition || !Scene::Instance().removeAttribute(node, definition))
        return convert::failure("only a dynamic attribute of the node can be removed",
                                MStatus::kInvalidParameter);
    return MStatus::kSuccess;
}

MStatus MFnDependencyNode::getConnections(MPlugArray& array) const {
    array.clear();
    MStatus status;
    auto node = liveNodeOf(*this, &status);
    if (!node) return status;
    std::vector<AttributePtr> seen;
    for (const auto* links : {&node->Inputs(), &node->Outputs()})
        for (const auto& link : *links)
            if (std::find(seen.begin(), seen.end(), link.attribute) == seen.end()) {
                seen.push_back(link.attribute);
                array.append(MPlug(object_, ObjectAccess::wrap(link.attribute)));
            }
    return array.length() ? MStatus(MStatus::kSuccess) : MStatus(MStatus::kFailure);
}

MPxNode* MFnDependencyNode::userNode(MStatus* ReturnStatus) const {
    auto node = liveNodeOf(*this, ReturnStatus);
    if (!node) return nullptr;
    if (!node->UserObject()) report(ReturnStatus, MStatus::kInvalidParameter);
    return static_cast<MPxNode*>(node->UserObject().get());
}

bool MFnDependencyNode::isFromReferencedFile(MStatus* ReturnStatus) const {
    liveNodeOf(*this, ReturnStatus);
    return false;
}

bool MFnDependencyNode::isLocked(MStatus* ReturnStatus) const {
    liveNodeOf(*this, ReturnStatus);
    return false;
}
