#pragma once

#include "core/ElementWidgets.h"
#include "core/LayoutWindow.h"

#include <cstdint>
#include <memory>

namespace vex::orb::core {

class MainConfigSettings;

namespace configadaptor::element {
class MainConfig;
}

/// The main settings window (layout "orb_mainconfig.xml"): the start count-down, silent mode, always
/// on top and the host's own settings (see configadaptor::element::MainConfig), with "OK" and
/// "Cancel". Changes take effect as they are made; "OK" saves the settings file and applies silent
/// mode to the message boxes, "Cancel" (or closing the window) puts back the values the window
/// opened with.
///
/// Without widgets (no QApplication) the window keeps its state: Open reads the settings, and
/// Accept and Cancel work on them.
class MainSettingsWindow : public LayoutWindow {
public:
    /// The window's own components.
    static constexpr int32_t kDialog = 1;
    static constexpr int32_t kOkButton = 10;
    static constexpr int32_t kCancelButton = 11;
    /// What the user is told when OK could not write the settings file (the reason follows).
    static constexpr const char* kNotSavedText =
        "The settings could not be saved; they apply until the host closes.";

    /// A window editing `settings`, which must outlive it.
    explicit MainSettingsWindow(MainConfigSettings& settings);
    ~MainSettingsWindow() override;

    /// Opens the window on the current settings and the current host's settings, top-most when
    /// "Always on top" is set; an open window comes forward.
    void Open();
    /// Closes the window as "Cancel" does.
    void Close() { Cancel(); }
    /// Whether the window is open.
    bool IsOpen() const { return config_ != nullptr; }
    /// "OK": saves the settings file, applies silent mode and closes. True when the file was written.
    bool Accept();
    /// "Cancel": puts back the values the window opened with and closes.
    void Cancel();
    /// The settings' elements while the window is open; null otherwise.
    configadaptor::element::MainConfig* GetConfig() const { return config_.get(); }

    /// The window's events: the settings' widgets, "OK", "Cancel" and closing the window.
    void receive(util::Message& message, bool broadcast) override;

protected:
    void PrepareLayout(util::xml::Element& layout) override;
    void Built() override;

private:
    // Hides the window and lets go of the elements.
    void Finish();

    MainConfigSettings& settings_;
    std::unique_ptr<configadaptor::element::MainConfig> config_;
    ElementWidgets widgets_;
};

} // namespace vex::orb::core
