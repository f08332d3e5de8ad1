#pragma once

#include <cstdint>
#include <string>

namespace vex::gui::componentinterface {

/// A top-level window holding the content of a layout.
class Dialog {
public:
    /// Event: the window was shown.
    static constexpr int32_t kShown = 0x4100;
    /// Event: the window was closed (by the user or by Close); value = the dialog's result code.
    static constexpr int32_t kClosed = 0x4101;
    /// Event: the window became active (value 1) or inactive (value 0).
    static constexpr int32_t kActivation = 0x4102;

    virtual ~Dialog() = default;

    /// Shows the window; a modal one blocks input to the other windows of the application but
    /// returns at once.
    virtual void Open() = 0;
    /// Closes the window with `result` (0: rejected).
    virtual void Close(int result = 0) = 0;
    /// Replaces the window title.
    virtual void SetTitle(const std::string& title) = 0;
};

} // namespace vex::gui::componentinterface
