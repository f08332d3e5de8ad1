#pragma once

#include "core/AdaptorManager.h"
#include "core/CoreInterface.h"
#include "core/Hooks.h"
#include "core/InstanceManager.h"
#include "core/MainDlg.h"
#include "core/RecordManager.h"
#include "util/Singleton.h"

namespace vex::orb::core {

class ToolListSink;

/// The core: one process-wide object that owns every runtime service. Start-up (CoreStartup.h) makes
/// it on first use of Instance(), after it stored the host adaptor.
///
/// Construction: the bases in the order below, each subsystem registering itself; then the
/// resource bundle is registered, the key-event callback joins the keyboard hook, and the core is
/// marked initialised and initialises its subsystems (adaptor manager, record manager, instance
/// manager, main window). Destruction: the key-event callback leaves the hook, then the subsystems
/// go in reverse order (main window, instance manager, record manager, adaptor manager), then the
/// message node.
class CoreImplementation : public CoreInterface,
                           public AdaptorManager,
                           public RecordManager,
                           public InstanceManager,
                           public MainDlg,
                           public Hooks::KeyEventCallback,
                           public util::Singleton<CoreImplementation> {
public:
    using CoreInterface::AddSetting;
    using CoreInterface::SetSetting;

    // --- CoreInterface --- (core::Instance is the tool instance; inside this class a bare "Instance"
    // names the singleton accessor)
    void DescribeAllInstances(util::ReturnValue<util::xml::Element>& sink) override;
    int WriteInstances(util::ReturnValue<util::xml::Element>& sink) override;
    core::Instance* CreateInstanceFromTemplate(const util::xml::Element& config) override;
    void DeleteAllInstances() override;
    int ShowMainWindow(NativeWindow parent) override;
    int CloseMainWindow() override;
    bool IsMainWindowOpen() override;
    gui::Component* GetMainWindowRoot() override;
    gui::Component* CreateComponent(const util::xml::Element& description) override;
    void TimeChanged(double seconds) override;
    bool IsRecording() override;
    bool IsResimulating() override;
    void SetKeyPassThrough(const Hooks::PassThroughList& list) override;
    int StartRecording() override;
    int StopRecording() override;
    int GetSlowLevel() override;
    void SetSlowLevel(int level) override;
    int Resimulate(double from, double to) override;
    core::Instance* FindInstance(const std::string& name) override;
    bool LoadProfile(const std::string& instanceName, const std::string& profileName) override;
    int LoadInputProfile(const std::string& instanceName, const std::string& profileName) override;
    bool SaveInputProfile(const std::string& instanceName, const std::string& profileName) override;
    std::string CreateTool(const std::string& toolIdentifier) override;
    std::string CloneInstance(const std::string& instanceName) override;
    core::Instance* FindInstance(const char* name) override;
    void DeleteInstance(const std::string& instanceName) override;
    void SetImagePath(gui::Component* component) override;
    void MainWindowCommand() override;
    int AddSetting(int32_t id, double initial) override;
    int AddSetting(int32_t id, const std::string& initial) override;
    int AddSetting(int32_t id, int initial) override;
    int AddSetting(int32_t id, bool initial) override;
    bool GetSetting(int32_t id, double& value) override;
    bool GetSetting(int32_t id, std::string& value) override;
    bool GetSetting(int32_t id, int& value) override;
    bool GetSetting(int32_t id, bool& value) override;
    bool SetSetting(int32_t id, double value) override;
    bool SetSetting(int32_t id, const std::string& value) override;
    bool SetSetting(int32_t id, int value) override;
    bool SetSetting(int32_t id, bool value) override;
    int ShowMessage(NativeWindow parent, const std::string& title, const std::string& text, unsigned buttons,
                    unsigned icon) override;

    /// Hands all four tool lists (LibraryManager::kAllToolLists) to the main window, which keeps them
    /// until it is built.
    void FillToolLists();

    // --- Hooks::KeyEventCallback ---
    /// While a recording (not a re-simulation) runs: Space or Escape released stops it; Z released
    /// with Ctrl alone stops it, undoes the take and, when the host undid it, records again.
    void OnKeyEvent(int key, bool down, bool ctrl, bool alt, bool shift) override;

private:
    friend class util::Singleton<CoreImplementation>;
    CoreImplementation();
    ~CoreImplementation() override;

    template <typename T>
    int AddTypedSetting(int32_t id, T initial);
    template <typename T>
    bool GetTypedSetting(int32_t id, T& value);
    template <typename T>
    bool SetTypedSetting(int32_t id, const T& value);
};

} // namespace vex::orb::core
