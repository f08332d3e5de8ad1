#include "core/MainDlg.h"

#include "core/AboutWindow.h"
#include "core/CoreImplementation.h"
#include "core/InputConfigurationDialog.h"
#include "core/Instance.h"
#include "core/LayoutWindow.h"
#include "core/MainWindow.h"
#include "core/ResultCodes.h"

#include <algorithm>

namespace vex::orb::core {

MainDlg::MainDlg(CoreImplementation* core) : CoreSubSystem(core) {}

MainDlg::~MainDlg() = default;

int MainDlg::ShowMainWindow(void* parent) {
    if (IsMainWindowOpen()) {
        window_->Raise();
        return kMainWindowAlreadyOpen;
    }
    CoreImplementation* core = GetCore();
    if (core == nullptr || !LayoutWindow::WidgetsAvailable()) return kMainWindowUnavailable;
    if (window_ == nullptr) {
        window_ = std::make_unique<MainWindow>(*core);
        for (const auto& [id, tools] : lists_) window_->SetToolList(id, tools);
    }
    return window_->Open(parent) ? kOk : kMainWindowUnavailable;
}

int MainDlg::CloseMainWindow() {
    if (!IsMainWindowOpen()) return kMainWindowNotOpen;
    window_->Close();
    return kOk;
}

bool MainDlg::IsMainWindowOpen() const {
    return window_ != nullptr && window_->IsOpen();
}

gui::Component* MainDlg::GetMainWindowRoot() const {
    return window_ != nullptr ? window_->GetRoot() : nullptr;
}

void MainDlg::Refresh() {
    if (window_ != nullptr) window_->Refresh();
    if (profiles_ != nullptr && profiles_->IsOpen() && !IsInTree(profiles_->GetInstance()))
        profiles_->Close();
}

void MainDlg::RefreshRecordControls() {
    if (window_ != nullptr) window_->RefreshRecordControls();
}

std::optional<bool> MainDlg::GetRecordOption(int32_t id) const {
    return window_ != nullptr ? window_->IsBoxChecked(id) : std::nullopt;
}

void MainDlg::OpenConfiguration(Instance& instance) {
    configWindow_.SetAlwaysOnTop(settings_.alwaysOnTop);
    configWindow_.Open(instance);
}

void MainDlg::OpenInputConfiguration(Instance& instance) {
    if (inputDialog_ == nullptr) inputDialog_ = std::make_unique<InputConfigurationDialog>();
    inputDialog_->SetAlwaysOnTop(settings_.alwaysOnTop);
    inputDialog_->GetDetectionPage().SetAlwaysOnTop(settings_.alwaysOnTop);
    inputDialog_->Open(instance);
}

void MainDlg::CloseWindows() {
    inputDialog_.reset();
    configWindow_.Close();
    if (profiles_ != nullptr) profiles_->Close();
    if (window_ != nullptr) window_->Close();
    window_.reset();
}

void MainDlg::OpenProfiles(Instance& instance, ProfileChooser::Kind kind, ProfileChooser::Action action) {
    if (profiles_ == nullptr) profiles_ = std::make_unique<ProfileChooser>();
    profiles_->SetAlwaysOnTop(settings_.alwaysOnTop);
    profiles_->Open(instance, kind, action);
}

void MainDlg::OpenMainSettings() {
    settingsWindow_.Open();
}

void MainDlg::OpenAbout() {
    if (about_ == nullptr) about_ = std::make_unique<AboutWindow>();
    about_->SetAlwaysOnTop(settings_.alwaysOnTop);
    about_->Open();
}

void MainDlg::SetToolList(int componentId, const std::vector<Tool*>& tools) {
    lists_[componentId] = tools;
    if (window_ != nullptr) window_->SetToolList(componentId, tools);
}

bool MainDlg::IsInTree(const Instance* instance) {
    CoreImplementation* core = instance != nullptr ? GetCore() : nullptr;
    if (core == nullptr) return false;
    const std::vector<Instance*> all = core->CollectInstances(InstanceManager::kAllInstances);
    return std::find(all.begin(), all.end(), instance) != all.end();
}

} // namespace vex::orb::core
