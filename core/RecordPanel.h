#pragma once

#include <cstdint>
#include <optional>

namespace vex::gui {
class Component;
}
namespace vex::gui::componentinterface {
class Button;
class CheckBox;
class Label;
class Spinner;
} // namespace vex::gui::componentinterface
namespace vex::util {
class Message;
}

namespace vex::orb::core {

class CoreImplementation;

/// The record controls of the main window: the options "Count-down before the take" (112),
/// "Auto-expand timeline" (113), "Low poly on record" (114) and the slow-motion level (115), the
/// "Record" button (120, showing its stop state while a take runs), "Resimulate" (121) and a status
/// line (122). The real-time loop reads the options through IsChecked; the count-down and low-poly
/// choices are kept in the main settings.
class RecordPanel {
public:
    static constexpr int32_t kCountdownBox = 112;
    static constexpr int32_t kAutoExpandBox = 113;
    static constexpr int32_t kLowPolyBox = 114;
    static constexpr int32_t kSlowLevelSpinner = 115;
    static constexpr int32_t kRecordButton = 120;
    static constexpr int32_t kResimulateButton = 121;
    static constexpr int32_t kStatusLabel = 122;

    explicit RecordPanel(CoreImplementation& core) : core_(core) {}

    /// Finds the controls and shows the core's state.
    void Bind(gui::Component& root);
    /// Shows whether a take or a re-simulation runs, and the slow-motion level.
    void Refresh();
    /// Whether the box `id` is checked; nullopt while the window has no such box.
    std::optional<bool> IsChecked(int32_t id) const;
    /// Handles the controls' events; false for a message that is not theirs.
    bool Handle(const util::Message& message);

private:
    void Record();
    void Resimulate();
    void OptionChanged(int32_t id, bool on);

    CoreImplementation& core_;
    gui::componentinterface::CheckBox* countdown_ = nullptr;
    gui::componentinterface::CheckBox* autoExpand_ = nullptr;
    gui::componentinterface::CheckBox* lowPoly_ = nullptr;
    gui::componentinterface::Spinner* slowLevel_ = nullptr;
    gui::componentinterface::Button* record_ = nullptr;
    gui::Component* resimulate_ = nullptr;
    gui::componentinterface::Label* status_ = nullptr;
};

} // namespace vex::orb::core
