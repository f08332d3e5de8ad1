#pragma once

#include "core/ElementWidgets.h"
#include "core/LayoutWindow.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace vex::gui::componentinterface {
class ComboBox;
class TextBox;
} // namespace vex::gui::componentinterface

namespace vex::orb::core {

class Instance;

/// The configuration window of one tool instance (layout "orb_config.xml"): the instance name as its
/// title, the tool type's configuration profiles with "Load", "Save as" under a name typed by the
/// user, "Close", and between them the instance's configuration page, built from the page's own
/// layout. Each change the user makes on the page is one host undo step labelled with the item's
/// label; undoing or redoing it puts the values back on the widgets. Values the tool changes
/// itself update only their own widget.
///
/// The window's own components carry negative ids, which no page item has (items are numbered from
/// 0), and page items are looked up only inside the page. Without widgets (no QApplication, as in
/// batch hosts) the window keeps its state, which instance it is open for, and the profile
/// operations work; nothing is shown.
class ConfigurationWindow : public LayoutWindow {
public:
    /// The layout and the window's own components.
    static constexpr const char* kLayout = "orb_config.xml";
    static constexpr int32_t kDialog = -100;
    static constexpr int32_t kProfileBox = -101;
    static constexpr int32_t kLoadButton = -102;
    static constexpr int32_t kNameBox = -103;
    static constexpr int32_t kSaveButton = -104;
    static constexpr int32_t kCloseButton = -105;
    /// The list the page is placed into.
    static constexpr int32_t kPageSlot = -106;
    /// Shown instead of the page when the tool declared none.
    static constexpr const char* kNoSettingsText = "This tool has no settings.";
    /// Shown when "Save as" is pressed without a name.
    static constexpr const char* kNoNameText = "Please type a name for the profile before saving it.";

    ConfigurationWindow();
    ~ConfigurationWindow() override;

    /// Opens the window on the configuration page of `instance`; when it is open for another
    /// instance it switches to this one, when open for this one it comes forward.
    void Open(Instance& instance);
    /// Closes the window.
    void Close();
    /// Whether the window is open.
    bool IsOpen() const { return open_; }
    /// The instance the window is open for; null while closed.
    Instance* GetInstance() const { return instance_; }

    /// Loads the configuration profile `name` of the instance's tool type into the instance and
    /// shows the values. False, with a message, when there is no such profile.
    bool LoadProfile(const std::string& name);
    /// Saves the instance's configuration as the profile `name` of its tool type and lists it. An
    /// empty name (or one of blanks only) is refused with a message, as is a name that cannot be
    /// saved (the built-in profile's).
    bool SaveProfileAs(const std::string& name);
    /// Puts the current value of every page item on its widget.
    void RefreshValues();
    /// The pairing of the page's items with their widgets.
    const ElementWidgets& GetElementWidgets() const { return widgets_; }

    /// The window's events: the page's widgets, the window's buttons, closing the window, and the
    /// end of the instance it is open for (the window closes).
    void receive(util::Message& message, bool broadcast) override;

protected:
    void PrepareLayout(util::xml::Element& layout) override;
    void Built() override;

private:
    // Takes the text off check boxes whose row label says the same.
    static void DropRepeatedCheckBoxLabels(util::xml::Element& element);
    // One user edit of a page item as one host undo step whose undo and redo show the values again.
    void EditAsOneStep(configadaptor::Node& element, const ElementWidgets::UserValue& value);
    // Lists the tool type's profiles in the profile box, choosing `current` when it is listed.
    void FillProfileList(const std::string& current);
    // Shows `text` in a message box of the window.
    static void Tell(const std::string& text);

    Instance* instance_ = nullptr;
    bool open_ = false;
    ElementWidgets widgets_;
    // Undo records of the window's edits reach the window through this; they outlive it harmlessly.
    std::shared_ptr<std::function<void()>> refresher_;
    gui::componentinterface::ComboBox* profileBox_ = nullptr;
    gui::componentinterface::TextBox* nameBox_ = nullptr;
};

} // namespace vex::orb::core
