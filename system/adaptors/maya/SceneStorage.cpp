#include "system/adaptors/maya/SceneStorage.h"

#include "core/CoreImplementation.h"
#include "core/CoreStartup.h"
#include "core/LibraryManager.h"
#include "system/adaptors/maya/CMayaNode.h"
#include "system/adaptors/maya/CStorageNode.h"
#include "system/adaptors/maya/MayaAdaptorInterface.h"
#include "system/adaptors/maya/StorageNode.h"
#include "util/Base64.h"
#include "util/ReturnValue.h"

#include <maya/MDGModifier.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MGlobal.h>
#include <maya/MItDependencyNodes.h>
#include <maya/MObjectArray.h>
#include <maya/MPlug.h>
#include <maya/MString.h>

#include <set>
#include <vector>

namespace vex::orb::adaptor::maya {
namespace {

using util::xml::Element;

constexpr unsigned kOkButton = 0x0;
constexpr unsigned kWarningIcon = 0x30;

bool IsStorage(const MFnDependencyNode& node) {
    const MTypeId id = node.typeId();
    return id == StorageNode::kTypeId || id == CStorageNode::kTypeId;
}

void Report(const std::string& text) {
    if (core::CoreImplementation* running = core::FindCore())
        running->ShowMessage(nullptr, SceneStorage::kTitle, text, kOkButton, kWarningIcon);
}

// The stored instances (at any depth) whose tool type is not installed, as "name (type)" lines.
void ListUnknown(const Element& element, std::string& lines) {
    for (const Element& child : element.GetChildren()) {
        if (!child.IsTag() || child.GetName() != "VXB_Plugin") continue;
        const std::string type = child.GetChildText("type");
        if (!type.empty() && core::LibraryManager::Instance().FindTool(type) == nullptr)
            lines += child.GetChildText("name") + " (" + type + ")\n";
        ListUnknown(child, lines);
    }
}

} // namespace

std::string SceneStorage::Encode(const Element& state) {
    const std::string text = state.ToString();
    return util::Base64Encode(text.data(), text.size());
}

bool SceneStorage::Decode(const std::string& text, Element& state, std::string& reason) {
    std::vector<uint8_t> bytes;
    if (!util::Base64Decode(text, bytes)) {
        reason = "The stored state is not Base64 text.";
        return false;
    }
    Element parsed;
    if (parsed.Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())) !=
            util::xml::kOk ||
        !parsed.IsTag()) {
        reason = "The stored state is not XML.";
        return false;
    }
    state = std::move(parsed);
    return true;
}

void SceneStorage::WriteState(MayaAdaptorInterface& adaptor) {
    // A storage node a failed save left behind would be written twice.
    DeleteStorageNodes();
    std::set<core::NodeOwner*> owners;
    for (CMayaNode* node : adaptor.GetNodes())
        if (node->owner != nullptr) owners.insert(node->owner);
    for (core::NodeOwner* owner : owners) adaptor.storeNodeTags(owner);

    core::CoreImplementation* running = core::FindCore();
    if (running == nullptr) return;
    Element state;
    util::ReturnValue<Element> sink(&state);
    running->WriteInstances(sink);

    MDGModifier create;
    const MObject node = create.createNode(StorageNode::kTypeId);
    if (node.isNull() || !create.doIt()) return;
    MPlug(node, StorageNode::adaptorName_).setValue(MString(adaptor.getDisplayName().c_str()));
    MPlug(node, StorageNode::adaptorState_).setValue(MString(Encode(state).c_str()));
}

void SceneStorage::Restore(MayaAdaptorInterface& adaptor) {
    for (MItDependencyNodes it(MFn::kPluginDependNode); !it.isDone(); it.next()) {
        const MFnDependencyNode fn(it.thisNode());
        // The older format is not read: such a node is skipped like an unreadable one.
        if (fn.typeId() != StorageNode::kTypeId) continue;
        MString name;
        MString text;
        if (!MPlug(it.thisNode(), StorageNode::adaptorName_).getValue(name) ||
            !MPlug(it.thisNode(), StorageNode::adaptorState_).getValue(text))
            continue;
        Element state;
        std::string reason;
        if (!Decode(text.asChar(), state, reason)) {
            Report(kUnreadable + reason);
            continue;
        }
        CreateInstances(state);
    }
    adaptor.gatherScene();
    DeleteStorageNodes();
}

void SceneStorage::CreateInstances(const Element& state) {
    std::string unknown;
    ListUnknown(state, unknown);
    if (!unknown.empty()) Report(kUnknownTypes + unknown);
    if (core::CoreImplementation* running = core::FindCore()) {
        if (!state.GetChildren().empty()) running->CreateInstanceFromTemplate(state);
    }
}

void SceneStorage::DeleteStorageNodes() {
    MObjectArray storage;
    for (MItDependencyNodes it(MFn::kPluginDependNode); !it.isDone(); it.next())
        if (IsStorage(MFnDependencyNode(it.thisNode()))) storage.append(it.thisNode());
    for (unsigned int i = 0; i < storage.length(); ++i) {
        MObject node = storage[i];
        MGlobal::deleteNode(node);
    }
}

} // namespace vex::orb::adaptor::maya
