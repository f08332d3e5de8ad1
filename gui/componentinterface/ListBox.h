#pragma once

#include <cstdint>
#include <string>

namespace vex::gui::componentinterface {

/// A list of text entries, one of them current.
class ListBox {
public:
    /// Event: the current entry changed; value = its index (-1 for none).
    static constexpr int32_t kIndexChanged = 0x41C0;
    /// Event: an entry was double-clicked; value = its index, the payload's text its text.
    static constexpr int32_t kItemDoubleClicked = 0x41C1;
    /// Event: the pointer came onto an entry; value = its index. Not among the layer's fixed codes,
    /// chosen next to them.
    static constexpr int32_t kItemHovered = 0x41C3;

    virtual ~ListBox() = default;

    /// Appends an entry.
    virtual void AddItem(const std::string& text) = 0;
    /// Appends an entry shown with the image at `icon` (path variables allowed; "" for none).
    virtual void AddItem(const std::string& text, const std::string& icon) = 0;
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
};

} // namespace vex::gui::componentinterface
