#include "system/adaptors/memory/MemoryAdaptor.h"

#include "core/CoreStartup.h"
#include "core/CurrentAdaptor.h"
#include "core/NodeOwner.h"
#include "core/NodeTag.h"
#include "system/adaptors/memory/FunctionUndo.h"
#include "system/adaptors/memory/HostEdits.h"
#include "system/adaptors/memory/MemoryNode.h"
#include "system/adaptors/memory/NodePresenceUndo.h"
#include "util/AtomicFile.h"
#include "util/xml/Text.h"

#include <algorithm>
#include <utility>

namespace vex::orb::adaptor::memory {

MemoryAdaptor::MemoryAdaptor(double framesPerSecond, int interfaceVersion, bool startCore)
    : scene_(framesPerSecond), interfaceVersion_(interfaceVersion) {
    if (startCore) core::StartCore(this);
}

MemoryAdaptor::~MemoryAdaptor() {
    if (core::GetCurrentAdaptor() == this) core::ShutdownCore();
    // Undo units first: they destroy the nodes only they still hold, and must find the adaptor whole.
    undoQueue_.ReleaseAll();
    nodes_.DestroyAll();
}

// --- Nodes ---

core::CoreNode* MemoryAdaptor::createCamera(core::NodeOwner* owner, const std::string& name,
                                            core::CoreNode* parent, core::NodeListener* listener) {
    return CreateNode(owner, name, parent, ShapeKind::kCamera, nullptr, listener);
}

core::CoreNode* MemoryAdaptor::createMesh(core::NodeOwner* owner, const std::string& name,
                                          core::CoreNode* parent, const util::CMesh& mesh,
                                          core::NodeListener* listener) {
    return CreateNode(owner, name, parent, ShapeKind::kPolygonMesh, &mesh, listener);
}

core::CoreNode* MemoryAdaptor::CreateNode(core::NodeOwner* owner, const std::string& name,
                                          core::CoreNode* parent, ShapeKind shape, const util::CMesh* mesh,
                                          core::NodeListener* listener) {
    const std::string base = (owner ? owner->getDisplayName() : std::string()) + "_" + name;
    const auto* parentNode = dynamic_cast<const MemoryNode*>(parent);
    const ObjectId parentObject = parentNode && parentNode->IsAlive() ? parentNode->GetObject() : kWorld;
    const ObjectId object = scene_.Create(base + "Transform", shape, parentObject, base);
    if (mesh) {
        HostObject& host = *scene_.Find(object);
        host.mesh = *mesh;
        host.systemHelper = true;
    }
    auto* node = new MemoryNode(*this, object, owner, name, false);
    Register(node);
    if (listener) listener->set(node);
    addUndoUnit(new NodePresenceUndo(*this, {node}, {object}, true));
    // A helper that appears during a recording starts its animation where it appears.
    if (mesh && recording_) KeyAtCurrentTime(*node);
    return node;
}

core::CoreNode* MemoryAdaptor::findNode(core::NodeOwner* owner, const std::string& name) {
    for (MemoryNode* node : nodes_.Registered()) {
        if (node->owner == owner && node->GetCreationName() == name) return node;
    }
    return nullptr;
}

void MemoryAdaptor::storeNodeTags(core::NodeOwner* owner) {
    if (!owner) return;
    for (MemoryNode* node : nodes_.Registered()) {
        if (node->owner != owner || !node->IsAlive()) continue;
        TagObject(node->GetObject(), owner->getDisplayName(), node->GetCreationName());
    }
}

void MemoryAdaptor::TagObject(ObjectId object, const std::string& instanceName,
                              const std::string& objectName) {
    scene_.Find(object)->attributes[core::NodeTag::kAttribute] =
        core::NodeTag{instanceName, objectName}.ToString();
}

void MemoryAdaptor::getAllNodes(core::NodeList& out) {
    out.set(std::vector<core::CoreNode*>(nodes_.Registered().begin(), nodes_.Registered().end()));
}

void MemoryAdaptor::getNodesOf(core::NodeOwner* owner, core::NodeList& out) {
    std::vector<core::CoreNode*> nodes;
    for (MemoryNode* node : nodes_.Registered()) {
        if (node->owner == owner) nodes.push_back(node);
    }
    out.set(nodes);
}

void MemoryAdaptor::findTaggedNodes(const std::string& instanceName, const util::xml::Element& listing,
                                    core::NodeList& out) {
    // The tagged live objects, as (instance name, object name).
    std::vector<std::pair<ObjectId, std::pair<std::string, std::string>>> tagged;
    for (ObjectId id : scene_.GetObjects()) {
        const HostObject* object = scene_.Find(id);
        const auto attribute = object->attributes.find(core::NodeTag::kAttribute);
        if (attribute == object->attributes.end() || !scene_.IsAlive(id)) continue;
        if (FindRegisteredNode(id) != nullptr) continue; // another instance holds it already
        core::NodeTag tag;
        if (!core::NodeTag::Parse(attribute->second, tag)) continue;
        tagged.push_back({id, {tag.instanceName, tag.objectName}});
    }

    std::vector<core::CoreNode*> nodes;
    for (const util::xml::Element& entry : listing.GetChildren()) {
        if (!entry.IsTag() || entry.GetName() != "node") continue;
        const std::string objectName = core::NodeTag::ListedName(entry);
        const auto match = std::find_if(tagged.begin(), tagged.end(), [&](const auto& t) {
            return t.second.first == instanceName && t.second.second == objectName;
        });
        if (match == tagged.end()) {
            nodes.push_back(nullptr);
            continue;
        }
        auto* node = new MemoryNode(*this, match->first, nullptr, objectName, false);
        node->detached_ = true;
        nodes.push_back(node);
    }
    out.set(nodes);
}

void MemoryAdaptor::mergeScene(const std::string& path, core::NodeList& out) {
    std::string text;
    util::xml::Element root;
    std::vector<ObjectId> objects;
    std::vector<core::CoreNode*> nodes;
    if (util::ReadWholeFile(path, text) && root.Parse(text) == util::xml::kOk) {
        if (root.GetName() == "VXB_Plugin") {
            MergeListedNodes(root, objects, nodes);
        } else {
            for (const util::xml::Element& child : root.GetChildren())
                if (child.IsTag() && child.GetName() == "VXB_Plugin") MergeListedNodes(child, objects, nodes);
        }
    }
    if (!objects.empty()) addUndoUnit(new NodePresenceUndo(*this, {}, objects, true));
    out.set(nodes);
}

void MemoryAdaptor::MergeListedNodes(const util::xml::Element& description, std::vector<ObjectId>& objects,
                                     std::vector<core::CoreNode*>& nodes) {
    const std::string instanceName = description.GetChildText("name");
    if (const util::xml::Element* listing = description.GetChild("nodeinfo")) {
        for (const util::xml::Element& entry : listing->GetChildren()) {
            if (!entry.IsTag() || entry.GetName() != "node") continue;
            const std::string objectName = core::NodeTag::ListedName(entry);
            if (objectName.empty()) continue;
            const ShapeKind shape =
                entry.GetAttribute("shape") == "camera" ? ShapeKind::kCamera : ShapeKind::kNone;
            const std::string base = instanceName + "_" + objectName;
            const ObjectId object = scene_.Create(base + "Transform", shape, kWorld, base);
            TagObject(object, instanceName, objectName);
            objects.push_back(object);
            auto* node = new MemoryNode(*this, object, nullptr, objectName, false);
            node->detached_ = true;
            nodes.push_back(node);
        }
    }
    for (const util::xml::Element& child : description.GetChildren())
        if (child.IsTag() && child.GetName() == "VXB_Plugin") MergeListedNodes(child, objects, nodes);
}

MemoryNode* MemoryAdaptor::FindRegisteredNode(ObjectId id) const {
    for (MemoryNode* node : nodes_.Registered()) {
        if (node->GetObject() == id) return node;
    }
    return nullptr;
}

void MemoryAdaptor::Forget(MemoryNode* node) {
    nodes_.Forget(node, node->GetSerial());
}

// --- Undo ---

bool MemoryAdaptor::addUndoUnit(CUndo* unit) {
    if (undoQueue_.IsReplaying()) {
        if (unit) unit->release();
        return true;
    }
    return undoGroups_.Add(unit);
}

bool MemoryAdaptor::undo() {
    undoQueue_.Undo();
    return true;
}

bool MemoryAdaptor::redo() {
    undoQueue_.Redo();
    return true;
}

bool MemoryAdaptor::NewScene() {
    undoQueue_.Clear();
    if (nodes_.CountLive() != 0) return false;
    scene_.Clear();
    return true;
}

int MemoryAdaptor::clearUndo() {
    undoQueue_.Clear();
    return 0;
}

void MemoryAdaptor::RecordEdit(std::function<void()> undoEdit, std::function<void()> redoEdit) {
    if (!isUndoRecording()) return;
    addUndoUnit(new FunctionUndo(std::move(undoEdit), std::move(redoEdit)));
}

bool MemoryAdaptor::TakeFirstKeyOfGroup(ObjectId id, std::size_t channel) {
    if (!isUndoRecording()) return false;
    return keyedInGroup_.emplace(id, channel).second;
}

// --- Time and recording ---

void MemoryAdaptor::setCurrentTime(double t) {
    scene_.SetCurrentTime(t);
    if (!recording_) return;
    for (MemoryNode* node : nodes_.Registered()) {
        if (node->IsUpdated()) node->BringUpToDate(t);
    }
    refreshViews();
}

void MemoryAdaptor::prepareRecording(const std::vector<core::NodeOwner*>& owners) {
    ++prepareRecordingCount_;
    recording_ = true;
    const double start = scene_.GetCurrentTime();
    recordingStartTime_ = start;
    RecordEdit([this, start] { scene_.SetCurrentTime(start); }, {});
    for (MemoryNode* node : std::vector<MemoryNode*>(nodes_.Registered())) {
        const bool listed = std::find(owners.begin(), owners.end(), node->owner) != owners.end();
        if (listed && node->animated && node->IsAlive()) KeyAtCurrentTime(*node);
    }
}

void MemoryAdaptor::finishRecording() {
    ++finishRecordingCount_;
    recording_ = false;
    // The keys of a long take grew their lists by doubling; the take is done, so the slack goes.
    for (const ObjectId id : scene_.GetObjects()) {
        if (HostObject* object = scene_.Find(id)) {
            object->transform.ShrinkToFit();
            object->fieldOfView.ShrinkToFit();
            object->focusDistance.ShrinkToFit();
        }
    }
}

void MemoryAdaptor::KeyAtCurrentTime(MemoryNode& node) {
    const double t = scene_.GetCurrentTime();
    edits::WriteChannel(*this, node.GetObject(), &HostObject::transform, t,
                        scene_.GetLocalMatrix(node.GetObject(), t), true);
}

int MemoryAdaptor::installRunHotkeys() {
    runHotkeysInstalled_ = true;
    return 0;
}

// --- Settings and messages ---

void MemoryAdaptor::getHostSettings(util::ReturnValue<util::xml::Element>& out) {
    out.set(util::xml::Element(util::xml::Element::Kind::Tag, "hostsettings"));
}

bool MemoryAdaptor::showMessage(const std::string& message, const std::string& title) {
    scene_.AddMessage(message, title);
    return true;
}

} // namespace vex::orb::adaptor::memory
