#include "core/ToolTreePanel.h"

#include "core/DataPaths.h"
#include "core/Instance.h"
#include "core/InstanceManager.h"
#include "core/InstanceReference.h"
#include "core/PolyDisplay.h"
#include "gui/Component.h"
#include "gui/component/Tree.h"
#include "platform/win32/MessageBox.h"
#include "util/Message.h"

namespace vex::orb::core {

namespace {

using TreeKind = gui::component::Tree;
using Node = gui::componentinterface::Tree::Node;
using gui::componentinterface::Tree;

Tree::FlagState Shown(FlagState state) {
    return static_cast<Tree::FlagState>(static_cast<int>(state));
}

} // namespace

void ToolTreePanel::Bind(gui::Component& root) {
    tree_ = root.FindById<Tree>(kTree);
    Refresh();
}

void ToolTreePanel::Refresh() {
    items_.clear();
    if (tree_ == nullptr) return;
    tree_->ClearNodes();
    Node& top = tree_->GetRootNode();
    int32_t nextId = 0;
    Node* selected = nullptr;
    const std::string images = GetInstallPath("data");
    // Rows mirror the items below the instance tree's root, depth first.
    const auto add = [&](const auto& self, const InstanceReference& item, Node& parent) -> void {
        for (std::size_t i = 0; i < item.GetChildCount(); ++i) {
            InstanceReference* child = item.GetChild(i);
            Instance* instance = child->GetInstance();
            Node* row =
                tree_->CreateNode(instance != nullptr ? instance->GetName() : std::string("Group"), nextId);
            items_[nextId++] = child;
            if (instance != nullptr) row->icon = images + instance->GetTreeIcon();
            row->SetFlag(kRecordFlag, Shown(child->GetRecordState()));
            row->SetFlag(kLowPolyFlag, Shown(child->GetLowPolyState()));
            row->SetFlag(kHighPolyFlag, Shown(child->GetHighPolyState()));
            parent.AddChild(row);
            if (instance != nullptr && instance->GetName() == selected_) selected = row;
            self(self, *child, *row);
        }
    };
    if (const InstanceReference* root = instances_.GetRoot()) add(add, *root, top);
    tree_->NodesChanged();
    tree_->SelectNode(selected);
    if (selected == nullptr) selected_.clear();
}

InstanceReference* ToolTreePanel::ItemOf(int32_t nodeId) const {
    const auto it = items_.find(nodeId);
    return it != items_.end() ? it->second : nullptr;
}

InstanceReference* ToolTreePanel::GetSelected() const {
    return selected_.empty() ? nullptr : instances_.FindItem(selected_);
}

void ToolTreePanel::Select(InstanceReference* item) {
    selected_ =
        item != nullptr && item->GetInstance() != nullptr ? item->GetInstance()->GetName() : std::string();
    if (tree_ == nullptr) return;
    for (const auto& [id, row] : items_)
        if (row == item) tree_->SelectNode(tree_->GetRootNode().FindById(id));
}

void ToolTreePanel::RenameSelected() {
    if (tree_ == nullptr) return;
    if (Node* node = tree_->GetSelectedNode()) tree_->EditNode(*node);
}

bool ToolTreePanel::Handle(const util::Message& message) {
    if (tree_ == nullptr || message.parameter != kTree) return false;
    switch (message.code) {
    case TreeKind::kSelectionChanged: {
        InstanceReference* item = ItemOf(static_cast<int32_t>(message.value));
        selected_ = item != nullptr && item->GetInstance() != nullptr ? item->GetInstance()->GetName()
                                                                      : std::string();
        return true;
    }
    case TreeKind::kFlagChanged: {
        const auto flag = static_cast<std::size_t>(gui::Component::HighOf(message.value));
        const int32_t nodeId = gui::Component::LowOf(message.value);
        InstanceReference* item = ItemOf(nodeId);
        Node* node = tree_->GetRootNode().FindById(nodeId);
        if (item != nullptr && node != nullptr)
            FlagEdited(*item, static_cast<int>(flag), node->GetFlag(flag) == Tree::FlagState::kTrue);
        return true;
    }
    case TreeKind::kNodeRenamed: {
        const gui::EventData* data = gui::EventData::Of(message);
        Renamed(static_cast<int32_t>(message.value), data != nullptr ? data->text : std::string());
        return true;
    }
    case TreeKind::kNodeMoved:
        Moved(gui::Component::HighOf(message.value), gui::Component::LowOf(message.value));
        return true;
    default:
        return false;
    }
}

void ToolTreePanel::FlagEdited(InstanceReference& item, int flag, bool on) {
    // An undetermined row (its children disagree) becomes all on or all off with one click; the
    // display flags show or hide the scene nodes of the whole subtree at once.
    std::vector<Instance*> subtree;
    const auto collect = [&subtree](const auto& self, const InstanceReference& at) -> void {
        if (at.GetInstance() != nullptr) subtree.push_back(at.GetInstance());
        for (std::size_t i = 0; i < at.GetChildCount(); ++i) self(self, *at.GetChild(i));
    };
    collect(collect, item);
    if (flag == kRecordFlag) item.SetRecord(on);
    if (flag == kLowPolyFlag) {
        item.SetLowPoly(on);
        poly_display::Apply(subtree, on, std::nullopt);
    }
    if (flag == kHighPolyFlag) {
        item.SetHighPoly(on);
        poly_display::Apply(subtree, std::nullopt, on);
    }
    Refresh();
}

void ToolTreePanel::Renamed(int32_t nodeId, const std::string& name) {
    InstanceReference* item = ItemOf(nodeId);
    if (item == nullptr || item->GetInstance() == nullptr) return;
    const std::string old = item->GetInstance()->GetName();
    if (instances_.RenameItem(item, name)) {
        if (selected_ == old) selected_ = name;
    } else {
        const std::string text = name.empty() ? "A tool needs a name; \"" + old + "\" keeps its name."
                                              : "The name \"" + name + "\" is taken by another tool; \"" +
                                                    old + "\" keeps its name.";
        platform::win32::MessageBox(nullptr, text.c_str(), "Rename",
                                    platform::win32::MB_OK | platform::win32::MB_ICONWARNING);
    }
    Refresh();
}

void ToolTreePanel::Moved(int32_t nodeId, int32_t parentId) {
    InstanceReference* item = ItemOf(nodeId);
    InstanceReference* parent = parentId < 0 ? instances_.GetRoot() : ItemOf(parentId);
    if (item != nullptr && parent != nullptr) instances_.MoveItem(item, parent);
    // The view moved its row already; showing the instance tree again corrects a refused move.
    Refresh();
}

} // namespace vex::orb::core
