#include "core/MainWindow.h"

#include "core/AdaptorInterface.h"
#include "core/CoreImplementation.h"
#include "core/CurrentAdaptor.h"
#include "core/Instance.h"
#include "core/InstanceReference.h"
#include "core/LibraryManager.h"
#include "core/ProfileChooser.h"
#include "core/Tool.h"
#include "gui/component/Menubar.h"
#include "gui/component/Tree.h"
#include "gui/componentinterface/Dialog.h"
#include "gui/componentinterface/Menubar.h"
#include "platform/win32/MessageBox.h"

#include <QWidget>

#include <algorithm>
#include <iterator>

namespace vex::orb::core {

namespace {

namespace win32 = platform::win32;
using gui::PopupMenu;

constexpr const char* kHelpText =
    "Create a tool from the Vehicles, Cameras, Accessories or Templates lists (double-click a type, or "
    "click its button in the panel below them). Bind its inputs under Tools > Input Configuration, set "
    "it up under Tools > Configuration, and press Record: after the count-down the tools whose record "
    "flag is on follow your devices while the timeline runs. Space stops the take, Ctrl+Z throws it "
    "away and records again; Edit > Undo in the host undoes a whole take. Resimulate replays the "
    "recorded inputs from the current time, for example after a change of settings.";

// Selects every scene node of `instance` in the host, as one selection.
void SelectNodesOf(Instance& instance) {
    AdaptorInterface* adaptor = GetCurrentAdaptor();
    if (adaptor == nullptr) return;
    std::vector<CoreNode*> nodes;
    NodeList out(&nodes);
    adaptor->getNodesOf(&instance, out);
    if (nodes.empty()) return;
    nodes.front()->handle(CoreNode::kBeginGroupSelect, nullptr);
    for (CoreNode* node : nodes) node->select();
    nodes.front()->handle(CoreNode::kEndGroupSelect, nullptr);
}

} // namespace

MainWindow::MainWindow(CoreImplementation& core)
    : LayoutWindow(kLayout), core_(core), tree_(core),
      types_(*this, [this](Tool& tool) { CreateTool(tool); }), record_(core),
      lists_(ToolTypePanel::kSections.size()) {}

MainWindow::~MainWindow() {
    // The information panel shown belongs to its tool type; it leaves before the window's widgets go.
    types_.Unbind();
}

bool MainWindow::Open(void* hostWindow) {
    if (Build() == nullptr) return false;
    DockIn(hostWindow);
    SetAlwaysOnTop(core_.GetSettings().alwaysOnTop);
    ShowWindow();
    if (!open_) {
        open_ = true;
        if (AdaptorInterface* adaptor = GetCurrentAdaptor()) adaptor->windowOpened();
    }
    Refresh();
    return true;
}

void MainWindow::Close() {
    HideWindow();
    if (!open_) return;
    open_ = false;
    if (AdaptorInterface* adaptor = GetCurrentAdaptor()) adaptor->windowClosed();
}

void MainWindow::Raise() {
    ShowWindow();
}

void MainWindow::Built() {
    gui::Component& root = *GetRoot();
    tree_.Bind(root);
    types_.Bind(root);
    record_.Bind(root);
    for (std::size_t i = 0; i < lists_.size(); ++i)
        types_.SetToolList(ToolTypePanel::kSections[i], lists_[i]);
    FillCreateMenus();
}

void MainWindow::Refresh() {
    tree_.Refresh();
    record_.Refresh();
}

void MainWindow::SetToolList(int32_t componentId, const std::vector<Tool*>& tools) {
    const auto* found =
        std::find(ToolTypePanel::kSections.begin(), ToolTypePanel::kSections.end(), componentId);
    if (found == ToolTypePanel::kSections.end()) return;
    lists_[static_cast<std::size_t>(found - ToolTypePanel::kSections.begin())] = tools;
    types_.SetToolList(componentId, tools);
    FillCreateMenus();
}

void MainWindow::FillCreateMenus() {
    gui::Component* tree = GetRoot() != nullptr ? GetRoot()->FindById(ToolTreePanel::kTree) : nullptr;
    if (tree == nullptr) return;
    PopupMenu popup = tree->GetPopup();
    int32_t next = kCreateToolBase;
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        for (PopupMenu::Entry& entry : popup.entries) {
            if (entry.kind != PopupMenu::Entry::Kind::kSubMenu || entry.label != kCreateMenus[i]) continue;
            entry.entries.clear();
            for (Tool* tool : lists_[i])
                entry.entries.push_back({PopupMenu::Entry::Kind::kItem, next++, tool->GetDisplayName(), {}});
        }
    }
    tree->SetPopup(std::move(popup));
}

std::optional<bool> MainWindow::IsBoxChecked(int32_t id) const {
    return record_.IsChecked(id);
}

void MainWindow::CreateTool(Tool& tool) {
    const std::string name = core_.CreateTool(tool.GetIdentifier());
    if (InstanceReference* item = core_.InstanceManager::FindItem(name)) tree_.Select(item);
}

void MainWindow::RunCommand(int32_t id) {
    if (id >= kCreateToolBase) {
        std::size_t index = static_cast<std::size_t>(id - kCreateToolBase);
        for (const std::vector<Tool*>& list : lists_) {
            if (index < list.size()) return CreateTool(*list[index]);
            index -= list.size();
        }
        return;
    }
    switch (id) {
    case kMainSettings:
        core_.MainDlg::OpenMainSettings();
        return;
    case kAbout:
        core_.MainDlg::OpenAbout();
        return;
    case kHelp:
        win32::MessageBox(nullptr, kHelpText, "Torva Suite Help", win32::MB_OK | win32::MB_ICONINFORMATION);
        return;
    case kNewGroup:
        if (InstanceReference* group = core_.InstanceManager::FindItem(core_.CreateTool("Group")))
            tree_.Select(group);
        return;
    default:
        break;
    }
    InstanceReference* item = tree_.GetSelected();
    Instance* instance = item != nullptr ? item->GetInstance() : nullptr;
    if (instance == nullptr) {
        win32::MessageBox(nullptr, "Select a tool in the tree first.", "Torva Suite",
                          win32::MB_OK | win32::MB_ICONINFORMATION);
        return;
    }
    using Kind = ProfileChooser::Kind;
    using Action = ProfileChooser::Action;
    switch (id) {
    case kConfiguration:
        core_.MainDlg::OpenConfiguration(*instance);
        break;
    case kInputConfiguration:
        core_.MainDlg::OpenInputConfiguration(*instance);
        break;
    case kRename:
        tree_.RenameSelected();
        break;
    case kClone: {
        if (InstanceReference* copy =
                core_.InstanceManager::FindItem(core_.CloneInstance(instance->GetName())))
            tree_.Select(copy);
        break;
    }
    case kDelete:
        core_.DeleteInstance(instance->GetName());
        break;
    case kSelectInScene:
        SelectNodesOf(*instance);
        break;
    case kLoadConfigProfile:
        core_.MainDlg::OpenProfiles(*instance, Kind::kConfiguration, Action::kLoad);
        break;
    case kSaveConfigProfile:
        core_.MainDlg::OpenProfiles(*instance, Kind::kConfiguration, Action::kSave);
        break;
    case kDeleteConfigProfile:
        core_.MainDlg::OpenProfiles(*instance, Kind::kConfiguration, Action::kDelete);
        break;
    case kLoadInputProfile:
        core_.MainDlg::OpenProfiles(*instance, Kind::kInput, Action::kLoad);
        break;
    case kSaveInputProfile:
        core_.MainDlg::OpenProfiles(*instance, Kind::kInput, Action::kSave);
        break;
    case kDeleteInputProfile:
        core_.MainDlg::OpenProfiles(*instance, Kind::kInput, Action::kDelete);
        break;
    default:
        break;
    }
}

void MainWindow::receive(util::Message& message, bool broadcast) {
    (void)broadcast; // component events reach the window as deliveries to a subscriber
    if (message.code < 0) return;
    if (message.code == gui::componentinterface::Dialog::kClosed && message.parameter == 1) {
        Close();
        return;
    }
    if (message.code == gui::component::Menubar::kItemTriggered) {
        // Menu items and context-menu items share their code (and their command ids).
        RunCommand(static_cast<int32_t>(message.value));
        return;
    }
    if (tree_.Handle(message)) return;
    if (message.code == gui::component::Tree::kItemDoubleClicked &&
        message.parameter == ToolTreePanel::kTree) {
        RunCommand(kConfiguration);
        return;
    }
    if (types_.Handle(message)) return;
    record_.Handle(message);
}

} // namespace vex::orb::core
