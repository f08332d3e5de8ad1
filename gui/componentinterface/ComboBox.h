#pragma once

#include <cstdint>
#include <string>

namespace vex::gui::componentinterface {

/// A drop-down list of entries, optionally with an editable text field.
class ComboBox {
public:
    /// Event: the current entry changed; value = its index (-1 for none).
    static constexpr int32_t kIndexChanged = 0x41C0;
    /// Event: the text of the edit field changed; the payload's text holds it.
    static constexpr int32_t kEditTextChanged = 0x41C1;
    /// Event: the user chose an entry (even the current one); value = its index.
    static constexpr int32_t kActivated = 0x41C2;

    virtual ~ComboBox() = default;

    /// Appends an entry.
    virtual void AddItem(const std::string& text) = 0;
    /// Removes every entry.
    virtual void Clear() = 0;
    /// The number of entries.
    virtual int GetCount() const = 0;
    /// The text of entry `index` ("" when out of range).
    virtual std::string GetItem(int index) const = 0;
    /// Makes entry `index` current (-1: none).
    virtual void SetCurrentIndex(int index) = 0;
    /// The index of the current entry; -1 for none.
    virtual int GetCurrentIndex() const = 0;
    /// The current text (the edit field's, for an editable box).
    virtual std::string GetText() const = 0;
};

} // namespace vex::gui::componentinterface
