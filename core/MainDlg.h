#pragma once

#include "core/CoreSubSystem.h"
#include "core/MainConfigSettings.h"

namespace vex::orb::core {

/// The main window of the system, and the holder of the main settings.
///
/// This build has no window layer yet: the window never opens (ShowMainWindow answers
/// kMainWindowUnavailable) and the refresh operations have nothing to update. The settings work.
class MainDlg : public CoreSubSystem {
public:
    explicit MainDlg(CoreImplementation* core) : CoreSubSystem(core) {}

    /// Prepares the window's layout once the window layer exists; nothing yet.
    void Initialize() override {}
    /// Opens the window as a child of `parent`: kMainWindowAlreadyOpen when open (it comes forward);
    /// kMainWindowUnavailable in this build.
    int ShowMainWindow(void* parent);
    /// Closes the window: 0, or kMainWindowNotOpen when it is not open.
    int CloseMainWindow();
    /// Whether the window exists.
    bool IsMainWindowOpen() const { return false; }
    /// Brings the tool tree and the record controls up to date with the core.
    void Refresh() {}

    /// The main settings.
    MainConfigSettings& GetSettings() { return settings_; }
    const MainConfigSettings& GetSettings() const { return settings_; }

private:
    MainConfigSettings settings_;
};

} // namespace vex::orb::core
