#pragma once

#include "core/ConfigurationWindow.h"
#include "core/CoreSubSystem.h"
#include "core/MainConfigSettings.h"
#include "core/MainSettingsWindow.h"
#include "core/ProfileChooser.h"
#include "core/ToolListSink.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace vex::gui {
class Component;
}

namespace vex::orb::core {

class AboutWindow;
class InputConfigurationDialog;
class Instance;
class MainWindow;

/// The main window of the system and the windows it opens, and the holder of the main settings.
///
/// The windows exist only while a widget application runs (batch hosts have none): there the main
/// window never opens (ShowMainWindow answers kMainWindowUnavailable) and the real-time loop sees
/// no record options. The tool lists are kept from start-up on and shown whenever the window is built.
class MainDlg : public CoreSubSystem, public ToolListSink {
public:
    explicit MainDlg(CoreImplementation* core);
    ~MainDlg() override;

    /// Nothing: the windows are made when first opened.
    void Initialize() override {}
    /// Opens the main window, docked in the host's window `parent` where that is a Qt main window of
    /// this process and a window of its own otherwise: 0; kMainWindowAlreadyOpen when it is
    /// open (it comes forward); kMainWindowUnavailable without a widget application.
    int ShowMainWindow(void* parent);
    /// Closes the window: 0, or kMainWindowNotOpen when it is not open.
    int CloseMainWindow();
    /// Whether the main window is shown.
    bool IsMainWindowOpen() const;
    /// The main window's root component; null while the window was never built.
    gui::Component* GetMainWindowRoot() const;
    /// The main window; null while it was never opened.
    MainWindow* GetMainWindow() const { return window_.get(); }
    /// Brings the main window up to date with the core, and closes the windows of instances that
    /// are gone.
    void Refresh();
    /// Shows whether a take or a re-simulation runs and the slow-motion level, leaving the tree be.
    void RefreshRecordControls();
    /// Whether the main window's record option box `id` (112–114) is checked; nullopt while the
    /// window has no widgets.
    std::optional<bool> GetRecordOption(int32_t id) const;

    /// Closes every window and forgets the main window and the input dialog, which hold tool types'
    /// panels and the devices (shutdown).
    void CloseWindows();
    /// Opens the windows the main window's menus and the tools reach.
    void OpenConfiguration(Instance& instance);
    void OpenInputConfiguration(Instance& instance);
    void OpenProfiles(Instance& instance, ProfileChooser::Kind kind, ProfileChooser::Action action);
    void OpenMainSettings();
    void OpenAbout();
    /// The configuration window of an instance and the main settings window.
    ConfigurationWindow& GetConfigurationWindow() { return configWindow_; }
    MainSettingsWindow& GetMainSettingsWindow() { return settingsWindow_; }
    /// The profile window and the about box; null while never opened.
    ProfileChooser* GetProfileChooser() const { return profiles_.get(); }
    /// The input configuration dialog; null while never opened.
    InputConfigurationDialog* GetInputDialog() const { return inputDialog_.get(); }
    AboutWindow* GetAbout() const { return about_.get(); }

    /// Keeps a tool list of the main window and shows it there.
    void SetToolList(int componentId, const std::vector<Tool*>& tools) override;

    /// The main settings.
    MainConfigSettings& GetSettings() { return settings_; }
    const MainConfigSettings& GetSettings() const { return settings_; }

private:
    // Whether `instance` is still in the instance tree.
    bool IsInTree(const Instance* instance);

    MainConfigSettings settings_;
    MainSettingsWindow settingsWindow_{settings_};
    ConfigurationWindow configWindow_;
    std::map<int, std::vector<Tool*>> lists_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<ProfileChooser> profiles_;
    std::unique_ptr<AboutWindow> about_;
    std::unique_ptr<InputConfigurationDialog> inputDialog_;
};

} // namespace vex::orb::core
