#include "host/api/HostConvert.h"
#include "host/api/NodeCreation.h"
#include "host/scene/CommandEngine.h"
#include "host/scene/NodeTypeRegistry.h"
#include "host/scene/ObjectAccess.h"
#include "host/scene/Scene.h"
#include "host/scene/ValueData.h"

#include <maya/MDGModifier.h>
#include <maya/MDagModifier.h>

#include <vector>

using namespace vex::host;
using convert::failure;
using convert::report;

struct MDGModifier::Impl {
    struct Edit {
        std::function<MStatus()> run;
        std::shared_ptr<Journal> journal;
        bool done = false;
    };
    std::vector<Edit> edits;
    bool undone = false;
};

MDGModifier::MDGModifier() : impl_(std::make_unique<Impl>()) {}
MDGModifier::~MDGModifier() = default;
MDGModifier::MDGModifier(MDGModifier&&) noexcept = default;
MDGModifier& MDGModifier::operator=(MDGModifier&&) noexcept = default;

MStatus MDGModifier::queue(std::function<MStatus()> run) {
    impl_->edits.push_back({std::move(run), nullptr, false});
    return MStatus::kSuccess;
}

MStatus MDGModifier::doIt() {
    auto& scene = Scene::Instance();
    if (impl_->undone) {
        for (auto& edit : impl_->edits)
            if (edit.done) edit.journal->redo(scene);
        impl_->undone = false;
    }
    for (auto& edit : impl_->edits) {
        if (edit.done) continue;
        scene.BeginJournal();
        MStatus status = edit.run();
        auto journal = scene.EndJournal();
        if (!status) {
            journal->undo(scene);
            return status;
        }
        edit.journal = journal;
        edit.done = true;
    }
    return MStatus::kSuccess;
}

MStatus MDGModifier::undoIt() {
    if (impl_->undone) return MStatus::kSuccess;
    auto& scene = Scene::Instance();
    for (auto it = impl_->edits.rbegin(); it != impl_->edits.rend(); ++it)
        if (it->done) it->journal->undo(scene);
    impl_->undone = true;
    return MStatus::kSuccess;
}

namespace {

MStatus deadNode(const NodePtr& node) {
    return failure("node " + (node ? node->name() : std::string("(null)")) + " is not in the scene");
}

/// Queues the creation of the nodes of a type under a parent and answers the object createNode hands back.
MObject queueCreation(const std::string& typeName, const NodePtr& parent,
                      const std::function<MStatus(std::function<MStatus()>)>& queue, MStatus* status) {
    NewNodes nodes;
    std::string error;
    if (!makeNodes(typeName, parent, "", nodes, error))
        return report(status, failure(error, MStatus::kInvalidParameter)), MObject();
    queue([nodes, parent] {
        if (parent && parent != Scene::Instance().World() && !parent->IsAlive()) return deadNode(parent);
        return insertNodes(nodes, parent) ? MStatus(MStatus::kSuccess)
                                          : failure("the node cannot be created");
    });
    report(status, MStatus::kSuccess);
    return ObjectAccess::wrap(nodes.result());
}

std::string typeNameOf(const MTypeId& typeId) {
    auto type = NodeTypeRegistry::Instance().Find(static_cast<std::uint32_t>(typeId.id()));
    return type ? type->name() : std::string();
}

/// The node and attribute of a plug, or a failing status.
MStatus plugParts(const MPlug& plug, NodePtr& node, AttributePtr& attribute) {
    node = ObjectAccess::node(plug.node());
    attribute = ObjectAccess::Attribute(plug.attribute());
    return node && attribute ? MStatus(MStatus::kSuccess) : failure("null plug", MStatus::kInvalidParameter);
}

} // namespace

MObject MDGModifier::createNode(const MString& typeName, MStatus* ReturnStatus) {
    return queueCreation(
        typeName.str(), nullptr, [this](auto run) { return queue(std::move(run)); }, ReturnStatus);
}

MObject MDGModifier::createNode(const MTypeId& typeId, MStatus* ReturnStatus) {
    return createNode(MString(typeNameOf(typeId)), ReturnStatus);
}

MStatus MDGModifier::deleteNode(const MObject& object) {
    auto node = ObjectAccess::node(object);
    if (!node) return failure("the object is not a node", MStatus::kInvalidParameter);
    return queue(
        [node] { return Scene::Instance().deleteNode(node) ? MStatus(MStatus::kSuccess) : deadNode(node); });
}

MStatus MDGModifier::renameNode(const MObject& object, const MString& newName) {
    auto node = ObjectAccess::node(object);
    if (!node) return failure("the object is not a node", MStatus::kInvalidParameter);
    return queue([node, name = newName.str()] {
        if (!node->IsAlive()) return deadNode(node);
        return Scene::Instance().renameNode(node, name).empty()
                   ? failure("invalid name \"" + name + "\"", MStatus::kInvalidParameter)
                   : MStatus(MStatus::kSuccess);
    });
}

MStatus MDGModifier::connect(const MObject& sourceNode, const MObject& sourceAttribute,
                             const MObject& destinationNode, const MObject& destinationAttribute) {
    return connect(MPlug(sourceNode, sourceAttribute), MPlug(destinationNode, destinationAttribute));
}

MStatus MDGModifier::connect(const MPlug& source, const MPlug& destination) {
    NodePtr from, to;
    AttributePtr fromAttribute, toAttribute;
    if (MStatus s = plugParts(source, from, fromAttribute); !s) return s;
    if (MStatus s = plugParts(destination, to, toAttribute); !s) return s;
    return queue([=] {
        if (Scene::Instance().connect(from, fromAttribute, to, toAttribute))
            return MStatus(MStatus::kSuccess);
        return failure("cannot connect " + from->name() + "." + fromAttribute->LongName() + " to " +
                       to->name() + "." + toAttribute->LongName());
    });
}

MStatus MDGModifier::disconnect(const MObject& sourceNode, const MObject& sourceAttribute,
                                const MObject& destinationNode, const MObject& destinationAttribute) {
    return disconnect(MPlug(sourceNode, sourceAttribute), MPlug(destinationNode, destinationAttribute));
}

MStatus MDGModifier::disconnect(const MPlug& source, const MPlug& destination) {
    NodePtr from, to;
    AttributePtr fromAttribute, toAttribute;
    if (MStatus s = plugParts(source, from, fromAttribute); !s) return s;
    if (MStatus s = plugParts(destination, to, toAttribute); !s) return s;
    return queue([=] {
        return Scene::Instance().disconnect(from, fromAttribute, to, toAttribute)
                   ? MStatus(MStatus::kSuccess)
                   : failure("no such connection");
    });
}

MStatus MDGModifier::addAttribute(const MObject& object, const MObject& attributeObject) {
    auto node = ObjectAccess::node(object);
    auto attribute = ObjectAccess::Attribute(attributeObject);
    if (!node || !attribute) return failure("a node and an attribute are needed", MStatus::kInvalidParameter);
    return queue([node, attribute] {
        return Scene::Instance().AddAttribute(node, attribute)
                   ? MStatus(MStatus::kSuccess)
                   : failure("attribute \"" + attribute->LongName() + "\" cannot be added to " +
                             node->name());
    });
}

MStatus MDGModifier::removeAttribute(const MObject& object, const MObject& attributeObject) {
    auto node = ObjectAccess::node(object);
    auto attribute = ObjectAccess::Attribute(attributeObject);
    if (!node || !attribute) return failure("a node and an attribute are needed", MStatus::kInvalidParameter);
    return queue([node, attribute] {
        return Scene::Instance().removeAttribute(node, attribute)
                   ? MStatus(MStatus::kSuccess)
                   : failure("only a dynamic attribute of " + node->name() + " can be removed");
    });
}

MStatus MDGModifier::newPlugValue(const MPlug& plug, const MObject& value) {
    if (plug.isNull()) return failure("null plug", MStatus::kInvalidParameter);
    // The value is copied now, so later changes of the caller's object do not reach the edit.
    MObject copy = value;
    if (auto data = ObjectAccess::data(value)) copy = ObjectAccess::wrap(data->Clone());
    return queue([p = plug, copy]() mutable { return p.setValue(copy); });
}

MStatus MDGModifier::newPlugValueBool(const MPlug& plug, bool value) {
    return queue([p = plug, value]() mutable { return p.setValue(value); });
}

MStatus MDGModifier::newPlugValueInt(const MPlug& plug, int value) {
    return queue([p = plug, value]() mutable { return p.setValue(value); });
}

MStatus MDGModifier::newPlugValueShort(const MPlug& plug, short value) {
    return queue([p = plug, value]() mutable { return p.setValue(value); });
}

MStatus MDGModifier::newPlugValueDouble(const MPlug& plug, double value) {
    return queue([p = plug, value]() mutable { return p.setValue(value); });
}

MStatus MDGModifier::newPlugValueFloat(const MPlug& plug, float value) {
    return queue([p = plug, value]() mutable { return p.setValue(value); });
}

MStatus MDGModifier::newPlugValueString(const MPlug& plug, const MString& value) {
    return queue([p = plug, value]() mutable { return p.setValue(value); });
}

MStatus MDGModifier::commandToExecute(const MString& command) {
    return queue([text = command.str()] { return CommandEngine::get().Execute(text, false, false); });
}

MObject MDagModifier::createNode(const MString& typeName, const MObject& parent, MStatus* ReturnStatus) {
    auto parentNode = ObjectAccess::node(parent);
    if (!parent.isNull() && (!parentNode || !parentNode->IsDag()))
        return report(ReturnStatus, failure("the parent is not a DAG node", MStatus::kInvalidParameter)),
               MObject();
    return queueCreation(
        typeName.str(), parentNode, [this](auto run) { return queue(std::move(run)); }, ReturnStatus);
}

MObject MDagModifier::createNode(const MTypeId& typeId, const MObject& parent, MStatus* ReturnStatus) {
    return createNode(MString(typeNameOf(typeId)), parent, ReturnStatus);
}

MStatus MDagModifier::reparentNode(const MObject& object, const MObject& newParent) {
    auto node = ObjectAccess::node(object);
    auto parent = ObjectAccess::node(newParent);
    if (!node || !node->IsDag() || (!newParent.isNull() && !parent))
        return failure("reparenting needs DAG nodes", MStatus::kInvalidParameter);
    return queue([node, parent] {
        if (!node->IsAlive()) return deadNode(node);
        return Scene::Instance().ReparentNode(node, parent)
                   ? MStatus(MStatus::kSuccess)
                   : failure("cannot move " + node->name() + " there", MStatus::kInvalidParameter);
    });
}
