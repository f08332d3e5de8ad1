#include "core/InstanceManager.h"

#include "core/AdaptorInterface.h"
#include "core/CurrentAdaptor.h"
#include "core/DescriptionPacker.h"
#include "core/Instance.h"
#include "core/InstanceReference.h"
#include "core/InstanceReferenceCreateRestore.h"
#include "core/InstanceReferenceDeleteRestore.h"
#include "core/InstanceReferenceMove.h"
#include "core/InstanceReferenceRename.h"
#include "core/LibraryManager.h"
#include "core/Template.h"
#include "core/Tool.h"
#include "platform/win32/MessageBox.h"
#include "util/xml/Tag.h"

#include <cctype>
#include <cstdio>

namespace vex::orb::core {

namespace {

namespace win32 = platform::win32;

constexpr const char* kGroupTool = "Group";
constexpr const char* kRootName = "root";
constexpr const char* kPackedUnreadable =
    "A packed instance description could not be read; the instance it holds was skipped.";

bool ChildFlag(const util::xml::Element& element, std::string_view name, bool fallback) {
    const util::xml::Element* child = element.GetChild(name);
    return child != nullptr ? child->GetText() == "true" : fallback;
}

bool StartsWith(const std::string& text, std::string_view prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// `name` without a "_NN" ending (two or more digits).
std::string BaseName(const std::string& name) {
    const std::size_t underscore = name.rfind('_');
    if (underscore == std::string::npos || name.size() - underscore < 3) return name;
    for (std::size_t i = underscore + 1; i < name.size(); ++i)
        if (std::isdigit(static_cast<unsigned char>(name[i])) == 0) return name;
    return name.substr(0, underscore);
}

// Opens an undo group for the lifetime of the object.
class UndoGroup {
public:
    explicit UndoGroup(const std::string& label) : adaptor_(GetCurrentAdaptor()) {
        if (adaptor_ != nullptr) adaptor_->beginUndoGroup(label);
    }
    ~UndoGroup() {
        if (adaptor_ != nullptr) adaptor_->endUndoGroup();
    }
    UndoGroup(const UndoGroup&) = delete;
    UndoGroup& operator=(const UndoGroup&) = delete;
    void Add(CUndo* unit) {
        if (adaptor_ != nullptr)
            adaptor_->addUndoUnit(unit);
        else
            unit->release();
    }

private:
    AdaptorInterface* adaptor_;
};

// The name of the instance of `item`'s parent; empty at the top of the tree.
std::string ParentName(const InstanceReference* item) {
    const InstanceReference* parent = item->GetParent();
    if (parent == nullptr || parent->GetParent() == nullptr || parent->GetInstance() == nullptr) return {};
    return parent->GetInstance()->GetName();
}

} // namespace

InstanceManager::InstanceManager(CoreImplementation* core) : CoreSubSystem(core) {}

InstanceManager::~InstanceManager() = default;

void InstanceManager::Initialize() {
    Tool* group = LibraryManager::Instance().FindTool(kGroupTool);
    std::unique_ptr<Instance> instance =
        group != nullptr ? Instance::Create(*group, kRootName, nullptr) : nullptr;
    root_ = std::make_unique<InstanceReference>(std::move(instance));
}

InstanceReference* InstanceManager::CreateInstances(const util::xml::Element& element,
                                                    InstanceReference* parent, std::size_t index) {
    if (parent == nullptr) parent = root_.get();
    if (parent == nullptr) return nullptr;
    UndoGroup group("Creating instance");
    const std::string name(element.GetName());
    const bool wrap = name == "VXB_Plugin" || !(StartsWith(name, "VXB") || StartsWith(name, "orb"));
    util::xml::Element wrapped;
    if (wrap) {
        wrapped = util::xml::Tag("orb");
        wrapped.AddChild(element);
    }
    const util::xml::Element& list = wrap ? wrapped : element;

    InstanceReference* first = nullptr;
    for (const util::xml::Element& child : list.GetChildren()) {
        if (!child.IsTag() || child.GetName() != "VXB_Plugin") continue;
        InstanceReference* item = CreateItem(child, parent, index);
        if (item == nullptr) continue;
        if (index != kAppend) index = static_cast<std::size_t>(item->GetIndex()) + 1;
        if (first == nullptr) first = item;
    }
    return first;
}

InstanceReference* InstanceManager::CreateItem(const util::xml::Element& element, InstanceReference* parent,
                                               std::size_t index) {
    util::xml::Element unpacked;
    if (IsPacked(element)) {
        if (!UnpackDescription(element, unpacked)) {
            win32::MessageBox(nullptr, kPackedUnreadable, "Torva Suite",
                              win32::MB_OK | win32::MB_ICONEXCLAMATION);
            return nullptr;
        }
    }
    const util::xml::Element& description = IsPacked(element) ? unpacked : element;
    if (description.GetChild("type") == nullptr) {
        // A plain grouping item: no instance of its own, only its nested items.
        InstanceReference* item = parent->InsertChild(std::make_unique<InstanceReference>(), index);
        CreateNested(description, item);
        return item;
    }
    const std::string type = description.GetChildText("type");
    Tool* tool = LibraryManager::Instance().FindTool(type);
    // A scripted tool carries its template with it, so a scene opens where the template is not
    // installed.
    if (const util::xml::Element* custom = description.GetChild("customdata");
        tool == nullptr && custom != nullptr)
        tool = LibraryManager::Instance().AdoptSavedTemplate(type, *custom);
    if (tool == nullptr) return nullptr;
    const auto source = cloneSources_.find(description.GetChildText("name"));
    Instance* cloneOf = source != cloneSources_.end() ? source->second : nullptr;
    const std::string name = MakeUniqueName(description.GetChildText("name"), tool->GetIdentifier());
    std::unique_ptr<Instance> instance;
    if (tool->GetKind() == Tool::kTemplateKind || description.GetChild("savedata") == nullptr) {
        // A fresh instance, or a model's stored instance, made by its type.
        instance.reset(tool->CreateInstance(name));
    } else {
        instance = Instance::Create(*tool, name, &description, cloneOf);
    }
    if (instance == nullptr) return nullptr;
    InstanceReference* item =
        parent->InsertChild(std::make_unique<InstanceReference>(std::move(instance)), index);
    item->SetOwnFlags(ChildFlag(description, "checked", true), ChildFlag(description, "lowpoly", false),
                      ChildFlag(description, "highpoly", true));
    CreateNested(description, item);
    return item;
}

void InstanceManager::CreateNested(const util::xml::Element& description, InstanceReference* item) {
    for (const util::xml::Element& child : description.GetChildren()) {
        if (child.IsTag() && child.GetName() == "VXB_Plugin") CreateItem(child, item, kAppend);
    }
}

Instance* InstanceManager::FindInstance(const std::string& name) const {
    InstanceReference* item = FindItem(name);
    return item != nullptr ? item->GetInstance() : nullptr;
}

InstanceReference* InstanceManager::FindItem(const std::string& name) const {
    if (root_ == nullptr) return nullptr;
    for (std::size_t i = 0; i < root_->GetChildCount(); ++i)
        if (InstanceReference* found = root_->GetChild(i)->Find(name)) return found;
    return nullptr;
}

std::vector<Instance*> InstanceManager::CollectInstances(int mode) const {
    std::vector<Instance*> instances;
    if (root_ == nullptr) return instances;
    const auto visit = [&](const auto& self, const InstanceReference* item) -> void {
        if (mode == kRecordedInstances && item->GetRecordState() == FlagState::kFalse) return;
        const bool own = mode != kRecordedInstances || item->GetRecord();
        if (item->GetInstance() != nullptr && own) instances.push_back(item->GetInstance());
        for (std::size_t i = 0; i < item->GetChildCount(); ++i) self(self, item->GetChild(i));
    };
    for (std::size_t i = 0; i < root_->GetChildCount(); ++i) visit(visit, root_->GetChild(i));
    return instances;
}

void InstanceManager::WriteDescription(const InstanceReference* item, util::xml::Element& element,
                                       int options) const {
    if (item == root_.get()) {
        element = util::xml::Tag("VXB");
        for (std::size_t i = 0; i < item->GetChildCount(); ++i) {
            util::xml::Element child;
            WriteDescription(item->GetChild(i), child, options);
            element.AddChild(child);
        }
        return;
    }
    if (item->GetInstance() != nullptr) {
        item->GetInstance()->WriteDescription(element, options & kWithRecordedValues);
    } else {
        element = util::xml::Tag("VXB_Plugin");
    }
    if ((options & kWithoutChildren) == 0) {
        // Nested items travel inside the packed text of the item that holds them.
        for (std::size_t i = 0; i < item->GetChildCount(); ++i) {
            util::xml::Element child;
            WriteDescription(item->GetChild(i), child, options & ~kPacked);
            element.AddChild(child);
        }
    }
    if ((options & kPacked) != 0) element = PackDescription(element);
}

std::string InstanceManager::MakeUniqueName(const std::string& wanted, const std::string& identifier) const {
    if (!wanted.empty() && FindItem(wanted) == nullptr) return wanted;
    const std::string base = wanted.empty() ? identifier : BaseName(wanted);
    for (int number = 1;; ++number) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "_%02d", number);
        if (FindItem(base + suffix) == nullptr) return base + suffix;
    }
}

InstanceReference* InstanceManager::CreateTool(Tool& tool) {
    UndoGroup group("Create Tool");
    // A pre-rigged model brings its scene nodes first; its stored instance then finds them.
    if (tool.GetKind() == Tool::kTemplateKind) static_cast<Template&>(tool).MergeScene();
    util::xml::Element description;
    tool.WriteDescription(description);
    InstanceReference* item = CreateInstances(description, nullptr, kAppend);
    if (item != nullptr) {
        util::xml::Element written;
        WriteDescription(item, written, kWithRecordedValues);
        group.Add(new InstanceReferenceCreateRestore(ParentName(item), item->GetIndex(), written));
    }
    return item;
}

InstanceReference* InstanceManager::CloneItem(InstanceReference* item) {
    if (item == nullptr || item == root_.get() || item->GetParent() == nullptr) return nullptr;
    UndoGroup group("Clone tool");
    util::xml::Element description;
    WriteDescription(item, description, kWithRecordedValues);
    const auto collect = [this](const auto& self, InstanceReference* from) -> void {
        if (Instance* instance = from->GetInstance()) cloneSources_[instance->GetName()] = instance;
        for (std::size_t i = 0; i < from->GetChildCount(); ++i) self(self, from->GetChild(i));
    };
    collect(collect, item);
    // The copy and its nested items keep their names where free; the taken ones get the next free
    // number of the same base when they are created.
    InstanceReference* copy =
        CreateInstances(description, item->GetParent(), static_cast<std::size_t>(item->GetIndex()) + 1);
    cloneSources_.clear();
    if (copy != nullptr) {
        util::xml::Element written;
        WriteDescription(copy, written, kWithRecordedValues);
        group.Add(new InstanceReferenceCreateRestore(ParentName(copy), copy->GetIndex(), written));
    }
    return copy;
}

bool InstanceManager::RenameItem(InstanceReference* item, const std::string& name) {
    Instance* instance = item != nullptr ? item->GetInstance() : nullptr;
    if (instance == nullptr || name.empty() || FindItem(name) != nullptr) return false;
    UndoGroup group("Rename");
    const std::string old = instance->GetName();
    instance->Rename(name);
    group.Add(new InstanceReferenceRename(old, name));
    return true;
}

bool InstanceManager::MoveItem(InstanceReference* item, InstanceReference* parent) {
    if (item == nullptr || parent == nullptr || item->GetParent() == nullptr) return false;
    for (const InstanceReference* above = parent; above != nullptr; above = above->GetParent())
        if (above == item) return false;
    if (item->GetParent() == parent &&
        static_cast<std::size_t>(item->GetIndex()) + 1 == parent->GetChildCount())
        return false;
    UndoGroup group("Move tool");
    const InstanceReferenceMove::Place from{ParentName(item), static_cast<std::size_t>(item->GetIndex())};
    parent->InsertChild(item->GetParent()->RemoveChild(item));
    const InstanceReferenceMove::Place to{ParentName(item), static_cast<std::size_t>(item->GetIndex())};
    if (Instance* instance = item->GetInstance())
        group.Add(new InstanceReferenceMove(instance->GetName(), from, to));
    return true;
}

bool InstanceManager::MoveQuietly(const std::string& name, const std::string& parentName, std::size_t index) {
    InstanceReference* item = FindItem(name);
    InstanceReference* parent = FindParent(parentName);
    if (item == nullptr || parent == nullptr || item->GetParent() == nullptr) return false;
    std::unique_ptr<InstanceReference> taken = item->GetParent()->RemoveChild(item);
    parent->InsertChild(std::move(taken), index);
    return true;
}

void InstanceManager::DeleteItem(InstanceReference* item, const std::string& label) {
    if (item == nullptr || item == root_.get() || item->GetParent() == nullptr) return;
    UndoGroup group(label);
    UndoGroup removal("Delete plugin instance");
    util::xml::Element written;
    WriteDescription(item, written, kWithRecordedValues);
    const std::string parent = ParentName(item);
    const int index = item->GetIndex();
    item->GetParent()->RemoveChild(item).reset();
    removal.Add(new InstanceReferenceDeleteRestore(parent, static_cast<std::size_t>(index), written));
    // The deleted instances left their host nodes tagged in the scene; they go too, each deletion
    // recorded after the restore record so that undo brings the nodes back before the instances
    // that find them by their tags.
    DeleteTaggedNodes(written);
}

void InstanceManager::DeleteTaggedNodes(const util::xml::Element& description) {
    AdaptorInterface* adaptor = GetCurrentAdaptor();
    if (adaptor == nullptr) return;
    const util::xml::Element* name = description.GetChild("name");
    const util::xml::Element* nodeinfo = description.GetChild("nodeinfo");
    if (name != nullptr && nodeinfo != nullptr && nodeinfo->CountChildren("node") > 0) {
        std::vector<CoreNode*> found;
        NodeList out(&found);
        adaptor->findTaggedNodes(name->GetText(), *nodeinfo, out);
        for (CoreNode* node : found) {
            if (node != nullptr) node->deleteNode(false);
        }
    }
    for (const util::xml::Element& child : description.GetChildren()) {
        if (child.IsTag() && child.GetName() == "VXB_Plugin") DeleteTaggedNodes(child);
    }
}

void InstanceManager::WriteInstancesWithoutNodes(util::xml::Element& element) const {
    if (root_ == nullptr) return;
    AdaptorInterface* adaptor = GetCurrentAdaptor();
    for (std::size_t i = 0; i < root_->GetChildCount(); ++i) {
        const InstanceReference* item = root_->GetChild(i);
        std::vector<CoreNode*> nodes;
        if (adaptor != nullptr && item->GetInstance() != nullptr) {
            NodeList out(&nodes);
            adaptor->getNodesOf(item->GetInstance(), out);
        }
        if (!nodes.empty()) continue;
        util::xml::Element child;
        WriteDescription(item, child, 0);
        element.AddChild(child);
    }
}

void InstanceManager::DescribeInstances(util::xml::Element& element) const {
    if (root_ == nullptr) {
        element = util::xml::Tag("VXB");
        return;
    }
    WriteDescription(root_.get(), element, kWithRecordedValues);
}

void InstanceManager::DeleteAllInstances() {
    while (root_ != nullptr && root_->GetChildCount() > 0)
        root_->RemoveChild(root_->GetChild(root_->GetChildCount() - 1)).reset();
}

void InstanceManager::TimeChanged(double seconds) {
    for (Instance* instance : CollectInstances(kAllInstances)) instance->TimeChanged(seconds);
}

void InstanceManager::DestroyTree() {
    root_.reset();
}

bool InstanceManager::IsEmpty() const {
    return root_ == nullptr || root_->GetChildCount() == 0;
}

void InstanceManager::RemoveQuietly(const std::string& name) {
    InstanceReference* item = FindItem(name);
    if (item != nullptr && item->GetParent() != nullptr) item->GetParent()->RemoveChild(item).reset();
}

InstanceReference* InstanceManager::FindParent(const std::string& parentName) const {
    if (parentName.empty()) return root_.get();
    InstanceReference* item = FindItem(parentName);
    return item != nullptr ? item : root_.get();
}

} // namespace vex::orb::core
