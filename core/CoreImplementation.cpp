#include "core/CoreImplementation.h"

#include "core/AdaptorInterface.h"
#include "core/CurrentAdaptor.h"
#include "core/DataPaths.h"
#include "core/Instance.h"
#include "core/InstanceReference.h"
#include "core/LayoutWindow.h"
#include "core/LibraryManager.h"
#include "core/ResourceBundle.h"
#include "core/ResultCodes.h"
#include "core/Tool.h"
#include "gui/ComponentBuilder.h"
#include "platform/win32/Hooks.h"
#include "platform/win32/MessageBox.h"
#include "util/xml/Tag.h"

#include <memory>

namespace vex::orb::core {

namespace win32 = platform::win32;

CoreImplementation::CoreImplementation()
    : AdaptorManager(this), RecordManager(this), InstanceManager(this), MainDlg(this) {
    RegisterResourceBundle();
    Hooks::Instance().AddCallback(this);
    CoreSubSystem::InitializeAll();
}

CoreImplementation::~CoreImplementation() {
    if (Hooks::Exists()) Hooks::Instance().RemoveCallback(this);
    // From here on the subsystems are torn down; none of them may reach for the core any more.
    CoreSubSystem::SetCoreInitialized(false);
}

void CoreImplementation::DescribeAllInstances(util::ReturnValue<util::xml::Element>& sink) {
    util::xml::Element root;
    InstanceManager::DescribeInstances(root);
    sink.set(root);
}

int CoreImplementation::WriteInstances(util::ReturnValue<util::xml::Element>& sink) {
    util::xml::Tag element("VXB");
    InstanceManager::WriteInstancesWithoutNodes(element);
    sink.set(element);
    return kOk;
}

core::Instance* CoreImplementation::CreateInstanceFromTemplate(const util::xml::Element& config) {
    InstanceReference* item = InstanceManager::CreateInstances(config);
    MainDlg::Refresh();
    return item != nullptr ? item->GetInstance() : nullptr;
}

void CoreImplementation::DeleteAllInstances() {
    InstanceManager::DeleteAllInstances();
    MainDlg::Refresh();
}

int CoreImplementation::ShowMainWindow(NativeWindow parent) {
    return MainDlg::ShowMainWindow(parent);
}

int CoreImplementation::CloseMainWindow() {
    return MainDlg::CloseMainWindow();
}

bool CoreImplementation::IsMainWindowOpen() {
    return MainDlg::IsMainWindowOpen();
}

gui::Component* CoreImplementation::GetMainWindowRoot() {
    return MainDlg::GetMainWindowRoot();
}

gui::Component* CoreImplementation::CreateComponent(const util::xml::Element& description) {
    // Components are widgets: without a widget application (batch hosts) there is nothing to make.
    if (!LayoutWindow::WidgetsAvailable()) return nullptr;
    return gui::ComponentBuilder::Create(description).release();
}

void CoreImplementation::TimeChanged(double seconds) {
    InstanceManager::TimeChanged(seconds);
}

bool CoreImplementation::IsRecording() {
    return RecordManager::IsRecording();
}

bool CoreImplementation::IsResimulating() {
    return RecordManager::IsResimulating();
}

void CoreImplementation::SetKeyPassThrough(const Hooks::PassThroughList& list) {
    Hooks::Instance().SetKeyPassThrough(list);
}

int CoreImplementation::StartRecording() {
    return RecordManager::StartRecording();
}

int CoreImplementation::StopRecording() {
    return RecordManager::StopRecording();
}

int CoreImplementation::GetSlowLevel() {
    return RecordManager::GetSlowLevel();
}

void CoreImplementation::SetSlowLevel(int level) {
    RecordManager::SetSlowLevel(level);
}

int CoreImplementation::Resimulate(double from, double to) {
    return RecordManager::Resimulate(from, to);
}

core::Instance* CoreImplementation::FindInstance(const std::string& name) {
    return InstanceManager::FindInstance(name);
}

bool CoreImplementation::LoadProfile(const std::string& instanceName, const std::string& profileName) {
    core::Instance* instance = InstanceManager::FindInstance(instanceName);
    return instance != nullptr && instance->LoadConfigProfileNamed(profileName);
}

int CoreImplementation::LoadInputProfile(const std::string& instanceName, const std::string& profileName) {
    core::Instance* instance = InstanceManager::FindInstance(instanceName);
    if (instance == nullptr) return kProfileNotFound;
    return instance->LoadInputProfileNamed(profileName).value_or(kProfileNotFound);
}

bool CoreImplementation::SaveInputProfile(const std::string& instanceName, const std::string& profileName) {
    core::Instance* instance = InstanceManager::FindInstance(instanceName);
    return instance != nullptr && instance->SaveInputProfileAs(profileName);
}

std::string CoreImplementation::CreateTool(const std::string& toolIdentifier) {
    Tool* tool = LibraryManager::Instance().FindTool(toolIdentifier);
    InstanceReference* item = tool != nullptr ? InstanceManager::CreateTool(*tool) : nullptr;
    MainDlg::Refresh();
    return item != nullptr && item->GetInstance() != nullptr ? item->GetInstance()->GetName() : std::string();
}

std::string CoreImplementation::CloneInstance(const std::string& instanceName) {
    InstanceReference* copy = InstanceManager::CloneItem(InstanceManager::FindItem(instanceName));
    MainDlg::Refresh();
    return copy != nullptr && copy->GetInstance() != nullptr ? copy->GetInstance()->GetName() : std::string();
}

core::Instance* CoreImplementation::FindInstance(const char* name) {
    return InstanceManager::FindInstance(name != nullptr ? name : "");
}

void CoreImplementation::DeleteInstance(const std::string& instanceName) {
    InstanceReference* item = InstanceManager::FindItem(instanceName);
    if (item == nullptr) return;
    InstanceManager::DeleteItem(item, "Delete Torva Tool");
    MainDlg::Refresh();
}

void CoreImplementation::SetImagePath(gui::Component* component) {
    if (component != nullptr) component->SetPathVariable("images", GetInstallPath("data") + "/core/images");
}

void CoreImplementation::MainWindowCommand() {
    MainDlg::Refresh();
}

void CoreImplementation::FillToolLists() {
    LibraryManager::Instance().FillToolLists(*this, LibraryManager::kAllToolLists);
}

template <typename T>
int CoreImplementation::AddTypedSetting(int32_t id, T initial) {
    GetSettings().Add(std::make_unique<MainConfigSettings::AdditionalSetting<T>>(id, std::move(initial)));
    return kOk;
}

template <typename T>
bool CoreImplementation::GetTypedSetting(int32_t id, T& value) {
    MainConfigSettings::AdditionalSettingBase* setting = GetSettings().Find(id);
    if (setting == nullptr) return false;
    if (auto* typed = dynamic_cast<MainConfigSettings::AdditionalSetting<T>*>(setting)) {
        value = typed->value;
    } else {
        MainConfigSettings::Parse(setting->ToString(), value);
    }
    return true;
}

template <typename T>
bool CoreImplementation::SetTypedSetting(int32_t id, const T& value) {
    MainConfigSettings::AdditionalSettingBase* setting = GetSettings().Find(id);
    if (setting == nullptr) return false;
    if (auto* typed = dynamic_cast<MainConfigSettings::AdditionalSetting<T>*>(setting)) {
        typed->value = value;
    } else {
        setting->FromString(MainConfigSettings::Format(value));
    }
    return true;
}

int CoreImplementation::AddSetting(int32_t id, double initial) {
    return AddTypedSetting(id, initial);
}
int CoreImplementation::AddSetting(int32_t id, const std::string& initial) {
    return AddTypedSetting(id, initial);
}
int CoreImplementation::AddSetting(int32_t id, int initial) {
    return AddTypedSetting(id, initial);
}
int CoreImplementation::AddSetting(int32_t id, bool initial) {
    return AddTypedSetting(id, initial);
}

bool CoreImplementation::GetSetting(int32_t id, double& value) {
    return GetTypedSetting(id, value);
}
bool CoreImplementation::GetSetting(int32_t id, std::string& value) {
    return GetTypedSetting(id, value);
}
bool CoreImplementation::GetSetting(int32_t id, int& value) {
    return GetTypedSetting(id, value);
}
bool CoreImplementation::GetSetting(int32_t id, bool& value) {
    return GetTypedSetting(id, value);
}

bool CoreImplementation::SetSetting(int32_t id, double value) {
    return SetTypedSetting(id, value);
}
bool CoreImplementation::SetSetting(int32_t id, const std::string& value) {
    return SetTypedSetting(id, value);
}
bool CoreImplementation::SetSetting(int32_t id, int value) {
    return SetTypedSetting(id, value);
}
bool CoreImplementation::SetSetting(int32_t id, bool value) {
    return SetTypedSetting(id, value);
}

int CoreImplementation::ShowMessage(NativeWindow parent, const std::string& title, const std::string& text,
                                    unsigned buttons, unsigned icon) {
    return win32::MessageBox(static_cast<win32::HWND>(parent), text.c_str(), title.c_str(), buttons | icon);
}

void CoreImplementation::OnKeyEvent(int key, bool down, bool ctrl, bool alt, bool shift) {
    if (down || !RecordManager::IsRecording() || RecordManager::IsResimulating()) return;
    if (key == win32::VK_SPACE || key == win32::VK_ESCAPE) {
        RecordManager::StopRecording();
    } else if (key == 'Z' && ctrl && !alt && !shift) {
        // Retake: throw the take away and record again from the same start.
        RecordManager::StopRecording();
        AdaptorInterface* adaptor = GetCurrentAdaptor();
        if (adaptor != nullptr && adaptor->undo()) RecordManager::StartRecording();
    }
}

} // namespace vex::orb::core
