#pragma once

#include <cstdint>
#include <string>

namespace vex::gui::componentinterface {

/// A one-line text field.
class TextBox {
public:
    /// Event: editing finished (Return pressed or focus left); the payload's text holds the text.
    static constexpr int32_t kEditingFinished = 0x4180;

    virtual ~TextBox() = default;

    /// Replaces the text (no event is sent).
    virtual void SetText(const std::string& text) = 0;
    /// The text.
    virtual std::string GetText() const = 0;
    /// Allows or forbids editing.
    virtual void SetEditable(bool editable) = 0;
    /// Whether the user may edit the text.
    virtual bool IsEditable() const = 0;
};

} // namespace vex::gui::componentinterface
