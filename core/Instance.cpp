#include "core/Instance.h"

#include "core/AdaptorInterface.h"
#include "core/ConfigProfileManager.h"
#include "core/CoreImplementation.h"
#include "core/CoreNode.h"
#include "core/CoreStartup.h"
#include "core/CurrentAdaptor.h"
#include "core/InstanceReference.h"
#include "core/MeshSnapshotProxy.h"
#include "core/Plugin.h"
#include "core/Tool.h"
#include "core/configadaptor/Root.h"
#include "core/plugins/TemplatePlugin.h"
#include "interface/CCamera.h"
#include "interface/CCameraPlugin.h"
#include "platform/win32/MessageBox.h"
#include "unidevice/InputProfile.h"
#include "unidevice/Property.h"
#include "util/Assert.h"
#include "util/Base64.h"
#include "util/xml/Tag.h"
#include "util/xml/TagWithData.h"

#include <algorithm>

namespace vex::orb::core {

namespace {

namespace win32 = platform::win32;

constexpr const char* kMessageTitle = "Torva Suite";

std::string ChildText(const util::xml::Element& element, std::string_view name) {
    const util::xml::Element* child = element.GetChild(name);
    return child != nullptr ? child->GetText() : std::string();
}

// The name the user knows the tool type by.
std::string ToolName(const Tool& tool) {
    if (const auto* plugin = dynamic_cast<const Plugin*>(&tool))
        return plugin->GetDescriptor().getDisplayName();
    return tool.GetIdentifier();
}

std::vector<CoreNode*> NodesOf(NodeOwner* owner) {
    std::vector<CoreNode*> nodes;
    if (AdaptorInterface* adaptor = GetCurrentAdaptor()) {
        NodeList out(&nodes);
        adaptor->getNodesOf(owner, out);
    }
    return nodes;
}

} // namespace

Instance::Instance(Tool& tool, const std::string& name)
    : InstanceVirtualDevice(name), util::MessageNode("Instance"), tool_(tool), name_(name) {
    page_.SetChannelHandler([this](const std::string& channelName, configadaptor::Node& spinner) {
        recorder_.AddSpinnerChannel(channelName, spinner);
    });
}

Instance::~Instance() {
    // While the core lives, a take or re-simulation that steps this instance lets go of it first.
    if (CoreSubSystem::IsCoreInitialized()) {
        if (CoreImplementation* core = FindCore()) core->ForgetInstance(this);
    }
    recorder_.RestoreLiveBindings();
    if (object_ != nullptr) tool_.ReleaseObject(object_);
    object_ = nullptr;
    // The host nodes stay in the scene, tagged, without an owner: an instance made again from this
    // one's description (undo of a delete, a reloaded tree) finds them by their tags.
    if (AdaptorInterface* adaptor = GetCurrentAdaptor()) adaptor->storeNodeTags(this);
    for (CoreNode* node : NodesOf(this)) {
        node->detach();
        node->release();
    }
}

std::unique_ptr<Instance> Instance::Create(Tool& tool, const std::string& name,
                                           const util::xml::Element* description, NodeOwner* cloneOf) {
    // A tool that cannot be made is reported, so the user knows why nothing appeared.
    const auto failed = [&tool](const char* reason) {
        const std::string text = "The tool \"" + tool.GetIdentifier() + "\" could not be created: " + reason;
        win32::MessageBox(nullptr, text.c_str(), kMessageTitle, win32::MB_OK | win32::MB_ICONEXCLAMATION);
        return nullptr;
    };
    auto instance = std::make_unique<Instance>(tool, name);
    instance->object_ = tool.CreateObject(name);
    if (instance->object_ == nullptr) return failed("its library made no tool object.");
    instance->object_->core = instance.get();
    if (instance->object_->buildConfiguration() != 0) return failed("its configuration could not be built.");
    if (cloneOf != nullptr) instance->CloneNodesFrom(cloneOf);
    if (description != nullptr && description->GetChild("savedata") != nullptr) {
        instance->Restore(*description); // missing nodes are reported; the instance stays
    } else if (instance->object_->initialize() != 0) {
        return failed("it could not be initialised.");
    }
    // Last, as the tool now has its channels, page and saved state: links to other values.
    if (instance->object_->hasExtension(CCamera::kLoadLinks))
        instance->object_->extension(CCamera::kLoadLinks, instance.get());
    return instance;
}

void Instance::Rename(const std::string& name) {
    name_ = name;
    if (object_ != nullptr) object_->name = name;
    for (CoreNode* node : NodesOf(this)) node->rename(name + "_" + node->GetCreationName());
}

std::string Instance::GetTreeIcon() const {
    if (tool_.GetKind() == Tool::kScriptedKind) return plugins::TemplatePlugin::kTreeIcon;
    std::string icon = "/core/images/treeicons/torva_accessory_tools.png";
    for (const std::string& category : tool_.GetCategories()) {
        if (category == "Vehicle") icon = "/core/images/treeicons/torva_vehicle_tools.png";
        if (category == "Camera") icon = "/core/images/treeicons/torva_camera_tools.png";
    }
    return icon;
}

void Instance::WriteDescription(util::xml::Element& element, int options) {
    using util::xml::Tag;
    using util::xml::TagWithData;
    if (object_ != nullptr) object_->store();
    element = Tag("VXB_Plugin");
    element.SetAttribute("version", "2.5");
    element.AddChild(TagWithData("type", tool_.GetIdentifier()));
    element.AddChild(TagWithData("name", name_));
    const bool record = reference_ == nullptr || reference_->GetRecord();
    element.AddChild(TagWithData("checked", record ? "true" : "false"));
    if (reference_ != nullptr) {
        element.AddChild(TagWithData("lowpoly", reference_->GetLowPoly() ? "true" : "false"));
        element.AddChild(TagWithData("highpoly", reference_->GetHighPoly() ? "true" : "false"));
    }

    util::xml::Element config;
    WriteConfiguration(config, configProfile_);
    if (configProfile_.empty()) config.RemoveAttribute("name");
    element.AddChild(config);
    util::xml::Element input;
    WriteInputProfile(input, inputProfile_);
    input.SetName("inputprofile");
    if (inputProfile_.empty()) input.RemoveAttribute("name");
    element.AddChild(input);

    // The nodes by their creation names; the host tags them so that it finds them again.
    Tag nodeinfo("nodeinfo");
    if (AdaptorInterface* adaptor = GetCurrentAdaptor()) adaptor->storeNodeTags(this);
    for (CoreNode* node : NodesOf(this)) {
        Tag entry("node");
        entry.AddChild(TagWithData("name", node->GetCreationName()));
        nodeinfo.AddChild(entry);
    }
    for (const std::string& missing : missing_) {
        Tag entry("node");
        entry.SetAttribute("status", kNotFound);
        entry.AddChild(TagWithData("name", missing));
        nodeinfo.AddChild(entry);
    }
    element.AddChild(nodeinfo);

    element.AddChild(TagWithData("savedata", util::Base64Encode(toolData_)));
    if ((options & kWithRecordedValues) != 0) recorder_.WriteRecordedValues(element);
    if (object_ != nullptr && object_->hasExtension(CCamera::kWriteCustomData)) {
        util::xml::Element custom = Tag("customdata");
        object_->extension(CCamera::kWriteCustomData, &custom);
        element.AddChild(custom);
    }
}

int Instance::Restore(const util::xml::Element& description) {
    TORVA_ASSERT(object_ != nullptr && object_->core == this,
                 "a restore reaches the tool object that Create made and gave its core");
    std::vector<uint8_t> bytes;
    if (util::Base64Decode(ChildText(description, "savedata"), bytes))
        setToolData(bytes.data(), uint32_t(bytes.size()));
    if (const util::xml::Element* values = description.GetChild("recordedinputvalues"))
        recorder_.ReadRecordedValues(*values);
    if (const util::xml::Element* input = description.GetChild("inputprofile")) LoadInputProfile(*input);
    if (const util::xml::Element* config = description.GetChild("configprofile"))
        LoadConfiguration(*config, true);
    // The nodes carry the tags of the instance the description was written from: a copy made under
    // another name (a second instance of a model, say) finds them by that name.
    if (const util::xml::Element* nodeinfo = description.GetChild("nodeinfo")) {
        const std::string tagged = ChildText(description, "name");
        AdoptListedNodes(*nodeinfo, tagged.empty() ? name_ : tagged);
    }
    if (const util::xml::Element* custom = description.GetChild("customdata")) {
        util::xml::Element copy = *custom;
        object_->extension(CCamera::kReadCustomData, &copy);
    }

    missing_.clear();
    restoring_ = true;
    const int status = object_->restore();
    restoring_ = false;
    if (status != 0)
        ReportMissingNodes();
    else
        missing_.clear();
    return status;
}

void Instance::WriteConfiguration(util::xml::Element& profile, const std::string& name) const {
    if (page_.GetPage() != nullptr) {
        profile = page_.GetPage()->saveProfile();
    } else {
        profile = util::xml::Tag("configprofile");
        profile.SetAttribute("version", ConfigProfileManager::kVersion);
    }
    profile.SetAttribute("name", name);
}

void Instance::LoadConfiguration(const util::xml::Element& profile, bool quiet) {
    if (page_.GetPage() != nullptr) {
        page_.GetPage()->loadProfile(profile);
        page_.refreshConfiguration();
    }
    if (profile.HasAttribute("name")) configProfile_ = profile.GetAttribute("name");
    if (!quiet && ConfigProfileManager::IsConverted(profile)) {
        const std::string text = ConfigProfileManager::ConvertedMessage(ToolName(tool_));
        win32::MessageBox(nullptr, text.c_str(), ConfigProfileManager::kMessageTitle,
                          win32::MB_OK | win32::MB_ICONINFORMATION);
    }
}

int Instance::LoadInputProfile(const util::xml::Element& profile) {
    const int result = unidevice::InputProfile::Load(recorder_.GetChannels(), profile, inputProfile_);
    if (result == unidevice::InputProfile::kNotAProfile) return result;
    util::Message changed(kInputConfigurationChanged);
    broadcast(changed);
    return result;
}

void Instance::WriteInputProfile(util::xml::Element& profile, const std::string& name) const {
    profile = unidevice::InputProfile::Save(recorder_.GetChannels(), name);
}

bool Instance::LoadConfigProfileNamed(const std::string& name) {
    util::xml::Element profile;
    if (!tool_.GetConfigProfileManager().LoadProfile(name, profile)) return false;
    LoadConfiguration(profile);
    refreshConfiguration();
    return true;
}

bool Instance::SaveConfigProfileAs(const std::string& name) {
    util::xml::Element profile;
    WriteConfiguration(profile, name);
    if (!tool_.GetConfigProfileManager().SaveProfile(name, profile)) return false;
    SetConfigProfileName(name);
    return true;
}

std::optional<int> Instance::LoadInputProfileNamed(const std::string& name) {
    util::xml::Element profile;
    if (!tool_.GetInputProfileManager().LoadProfile(name, profile)) return std::nullopt;
    return LoadInputProfile(profile);
}

bool Instance::SaveInputProfileAs(const std::string& name) {
    util::xml::Element profile;
    WriteInputProfile(profile, name);
    return tool_.GetInputProfileManager().SaveProfile(name, profile);
}

void Instance::AdoptListedNodes(const util::xml::Element& nodeinfo, const std::string& taggedName) {
    AdaptorInterface* adaptor = GetCurrentAdaptor();
    if (adaptor == nullptr || nodeinfo.CountChildren("node") == 0) return;
    std::vector<CoreNode*> found;
    NodeList out(&found);
    adaptor->findTaggedNodes(taggedName, nodeinfo, out);
    for (CoreNode* node : found) {
        if (node == nullptr) continue;
        const std::string creationName = node->GetCreationName();
        if (adaptor->findNode(this, creationName) == nullptr) {
            CoreNode* adopted = node->adopt(this, creationName);
            if (adopted != nullptr && taggedName != name_) adopted->rename(name_ + "_" + creationName);
        }
        node->release();
    }
}

void Instance::CloneNodesFrom(NodeOwner* source) {
    const std::vector<CoreNode*> nodes = NodesOf(source);
    for (CoreNode* node : nodes) {
        // Only the top of each hierarchy is copied; the copy brings the nodes below it along.
        CNode* parent = node->getParent();
        auto* parentNode = dynamic_cast<CoreNode*>(parent);
        const bool nested = parentNode != nullptr &&
                            std::any_of(nodes.begin(), nodes.end(),
                                        [&](CoreNode* other) { return other->isSameNode(parentNode); });
        node->releaseNode(parent);
        if (nested) continue;
        CoreNode::CloneRequest request;
        request.owner = this;
        node->extension(CoreNode::kCloneHierarchy, &request);
    }
    for (CoreNode* node : NodesOf(this)) node->rename(name_ + "_" + node->GetCreationName());
}

void Instance::ReportMissingNodes() {
    std::string text;
    if (missing_.empty()) {
        text = "Error loading plugin";
    } else {
        text = kMissingNodesMessage;
        for (const std::string& name : missing_) text += name + "\n";
    }
    win32::MessageBox(nullptr, text.c_str(), kMessageTitle, win32::MB_OK | win32::MB_ICONEXCLAMATION);
}

double Instance::ReadById(int id) const {
    return page_.GetPage() != nullptr ? page_.GetPage()->getValue(id) : 0.0;
}

bool Instance::WriteById(int id, double value) {
    return page_.GetPage() != nullptr && page_.GetPage()->setValue(id, value);
}

bool Instance::AssignById(int id, double value) {
    const configadaptor::Node::UndoSuspension quiet;
    return WriteById(id, value);
}

bool Instance::IsActive() const {
    return reference_ != nullptr && reference_->GetRecord();
}

void Instance::TimeChanged(double time) {
    if (object_ != nullptr) object_->timeChanged(time);
}

int Instance::extension(int id, void* data) {
    if (data == nullptr) return 0;
    switch (id) {
    case kGetName:
        *static_cast<std::string*>(data) = name_;
        return 1;
    case kIsRunning:
        *static_cast<int*>(data) = recorder_.IsRunning() ? 1 : 0;
        return 1;
    case kAddVirtualControl:
        return recorder_.AddOutput(static_cast<unidevice::Property*>(data)) + 1;
    case kIsResimulating:
        *static_cast<int*>(data) = recorder_.IsResimulating() ? 1 : 0;
        return 1;
    case kGetType:
        *static_cast<std::string*>(data) = tool_.GetIdentifier();
        return 1;
    case kWriteMasterNode: {
        auto& element = *static_cast<util::xml::Element*>(data);
        element = util::xml::Tag("masternode");
        InstanceReference* parent = reference_ != nullptr ? reference_->GetParent() : nullptr;
        const bool hasInstance = parent != nullptr && parent->GetInstance() != nullptr && parent->GetParent();
        element.AddChild(
            util::xml::TagWithData("parent", hasInstance ? parent->GetInstance()->GetName() : ""));
        element.AddChild(
            util::xml::TagWithData("childindex", reference_ != nullptr ? reference_->GetIndex() : 0));
        return 1;
    }
    case kGetDescription:
        WriteDescription(*static_cast<util::xml::Element*>(data), 0);
        return 1;
    case kGetProfileName:
        *static_cast<std::string*>(data) = configProfile_;
        return 1;
    default:
        return 0;
    }
}

void Instance::WriteMasterNodes(util::xml::Element& masternodes) {
    // A tool object already let go of (the instance is going) has nothing left to describe.
    if (object_ == nullptr) return;
    util::xml::Tag master("masternode");
    util::xml::Element description;
    WriteDescription(description, kWithRecordedValues);
    master.AddChild(description);
    util::xml::Element place;
    extension(kWriteMasterNode, &place);
    for (const util::xml::Element& child : place.GetChildren()) master.AddChild(child);
    masternodes.AddChild(master);
}

bool Instance::DeleteByUser() {
    CoreImplementation* core = FindCore();
    if (core == nullptr) return false;
    core->DeleteInstance(name_);
    return true;
}

std::vector<int32_t> Instance::getExtensionIds() const {
    return {kGetName, kIsRunning,       kAddVirtualControl, kIsResimulating,
            kGetType, kWriteMasterNode, kGetDescription,    kGetProfileName};
}

void Instance::addUndo(CUndo* undo) {
    if (undo == nullptr) return;
    if (AdaptorInterface* adaptor = GetCurrentAdaptor()) {
        adaptor->addUndoUnit(undo);
    } else {
        undo->release();
    }
}

unidevice::Property* Instance::addInputChannel(std::string name, uint32_t flags,
                                               unidevice::PropertyFactory* factory) {
    return recorder_.AddChannel(std::move(name), flags, factory);
}

unidevice::Property* Instance::findInputChannel(std::string name) {
    return recorder_.FindChannel(name);
}

void Instance::beginGroup(std::string name, std::string help) {
    page_.beginGroup(name, help);
}

void Instance::addIntSpinner(std::string name, std::string help, int* value, int min, int max, int step,
                             int32_t setting, bool channel, int reserved, Callback* callback) {
    page_.addIntSpinner(name, help, value, min, max, step, setting, channel, reserved, callback);
}

void Instance::addSpinner(std::string name, std::string help, double* value, double min, double max,
                          double step, int32_t setting, bool channel, int reserved, Callback* callback) {
    page_.addSpinner(name, help, value, min, max, step, setting, channel, reserved, callback);
}

void Instance::addCheckBox(std::string name, std::string help, bool* value, Callback* callback) {
    page_.addCheckBox(name, help, value, callback);
}

void Instance::addTextBox(std::string name, std::string help, std::string* value, Callback* callback) {
    page_.addTextBox(name, help, value, callback);
}

CInterface::ComboUpdater* Instance::addComboBox(std::string name, std::string help,
                                                std::vector<std::string> items, int* value,
                                                Callback* callback) {
    return page_.addComboBox(name, help, std::move(items), value, callback);
}

void Instance::addButton(std::string name, std::string help, Callback* callback) {
    page_.addButton(name, help, callback);
}

void Instance::getDataFolder(std::string& out) {
    out = tool_.GetUserFolder();
}

void Instance::setToolData(const uint8_t* bytes, uint32_t size) {
    toolData_.assign(bytes, bytes + (bytes != nullptr ? size : 0));
    hasToolData_ = true;
}

const uint8_t* Instance::getToolData(uint32_t* size) {
    if (size != nullptr) *size = hasToolData_ ? static_cast<uint32_t>(toolData_.size()) : 0;
    if (!hasToolData_) return nullptr;
    // An empty buffer still answers a valid pointer.
    static const uint8_t kEmpty = 0;
    return toolData_.empty() ? &kEmpty : toolData_.data();
}

int Instance::clearToolData() {
    std::vector<uint8_t>().swap(toolData_); // a long take's record is large: its memory goes too
    hasToolData_ = false;
    return 0;
}

void Instance::deleteNode(CNode* node) {
    if (node != nullptr) static_cast<CoreNode*>(node)->deleteNode(false);
}

void Instance::openInputConfiguration() {
    if (CoreImplementation* core = FindCore()) core->MainDlg::OpenInputConfiguration(*this);
}

CNode* Instance::findNode(std::string name) {
    AdaptorInterface* adaptor = GetCurrentAdaptor();
    CoreNode* node = adaptor != nullptr ? adaptor->findNode(this, name) : nullptr;
    // What a restore looks for and does not find is what the missing-nodes message lists.
    if (node == nullptr && restoring_ && std::find(missing_.begin(), missing_.end(), name) == missing_.end())
        missing_.push_back(name);
    return node;
}

CNode* Instance::createNode(std::string name, CNode* parent, void* listener) {
    AdaptorInterface* adaptor = GetCurrentAdaptor();
    if (adaptor == nullptr) return nullptr;
    CNode* node = adaptor->createCamera(this, name, static_cast<CoreNode*>(parent),
                                        static_cast<NodeListener*>(listener));
    if (node != nullptr) cameras_.push_back(node);
    return node;
}

CNode* Instance::createMeshNode(std::string name, CNode* parent, const util::CMesh* mesh, void* listener) {
    AdaptorInterface* adaptor = GetCurrentAdaptor();
    if (adaptor == nullptr || mesh == nullptr) return nullptr;
    CNode* node = adaptor->createMesh(this, name, static_cast<CoreNode*>(parent), *mesh,
                                      static_cast<NodeListener*>(listener));
    if (node != nullptr) helpers_.push_back(node);
    return node;
}

bool Instance::IsHelperNode(const CNode* node) const {
    return std::find(helpers_.begin(), helpers_.end(), node) != helpers_.end();
}

bool Instance::IsMadeByTool(const CNode* node) const {
    return IsHelperNode(node) || std::find(cameras_.begin(), cameras_.end(), node) != cameras_.end();
}

void Instance::freeMesh(std::string name, util::CMesh* mesh) {
    (void)name;
    if (mesh == nullptr) return;
    mesh->vertices = {};
    mesh->texCoords = {};
    mesh->faces = {};
    mesh->texFaces = {};
}

CSnapshot* Instance::getSnapshot(CNode* node, double t) {
    return node != nullptr ? static_cast<CoreNode*>(node)->getSnapshot(t) : nullptr;
}

CSnapshot_Helper* Instance::getHelperSnapshot(CNode* node) {
    return node != nullptr ? static_cast<CoreNode*>(node)->getHelperSnapshot() : nullptr;
}

CSnapshot_Mesh* Instance::getMeshSnapshot(CNode* node, double t) {
    CSnapshot_Mesh* snapshot = node != nullptr ? static_cast<CoreNode*>(node)->getMeshSnapshot(t) : nullptr;
    return snapshot != nullptr ? new MeshSnapshotProxy(snapshot) : nullptr;
}

CSnapshot_Lens* Instance::getLensSnapshot(CNode* node, double t) {
    return node != nullptr ? static_cast<CoreNode*>(node)->getLensSnapshot(t) : nullptr;
}

// A snapshot goes back to its node's pool by being marked free.
void Instance::releaseShapeSnapshot(CSnapshot_Shape* snapshot) {
    if (snapshot != nullptr) static_cast<CoreNode::Snapshot_Shape*>(snapshot)->inUse = false;
}

void Instance::releaseLensSnapshot(CSnapshot_Lens* snapshot) {
    if (snapshot != nullptr) static_cast<CoreNode::Snapshot_Lens*>(snapshot)->inUse = false;
}

void Instance::releaseMeshSnapshot(CSnapshot_Mesh* snapshot) {
    auto* proxy = static_cast<MeshSnapshotProxy*>(snapshot);
    if (proxy == nullptr) return;
    static_cast<CoreNode::Snapshot_Mesh*>(proxy->GetWrapped())->inUse = false;
    delete proxy;
}

void Instance::releaseHelperSnapshot(CSnapshot_Helper* snapshot) {
    if (snapshot != nullptr) static_cast<CoreNode::Snapshot_Helper*>(snapshot)->inUse = false;
}

void Instance::releaseSnapshot(CSnapshot* snapshot) {
    if (snapshot != nullptr) static_cast<CoreNode::Snapshot*>(snapshot)->inUse = false;
}

double Instance::getCurrentTime() {
    AdaptorInterface* adaptor = GetCurrentAdaptor();
    return adaptor != nullptr ? adaptor->getCurrentTime() : 0.0;
}

double Instance::getFramesPerSecond() {
    AdaptorInterface* adaptor = GetCurrentAdaptor();
    return adaptor != nullptr ? adaptor->getFramesPerSecond() : 0.0;
}

double Instance::getFrameDuration() {
    return 1.0 / getFramesPerSecond();
}

void Instance::refreshView() {
    AdaptorInterface* adaptor = GetCurrentAdaptor();
    if (adaptor != nullptr && !recorder_.IsResimulating()) adaptor->refreshViews();
}

int Instance::messageBox(std::string title, std::string text, uint32_t flags) {
    return win32::MessageBox(nullptr, text.c_str(), title.c_str(), flags);
}

} // namespace vex::orb::core
