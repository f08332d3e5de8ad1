#pragma once

#include <string>

namespace vex::gui::componentinterface {

/// A text (rich text allowed) or image shown to the user.
class Label {
public:
    virtual ~Label() = default;

    /// Replaces the text.
    virtual void SetText(const std::string& text) = 0;
    /// The text shown.
    virtual std::string GetText() const = 0;
    /// Shows the image at `path` (path variables allowed) instead of the text; "" removes it.
    virtual void SetImagePath(const std::string& path) = 0;
};

} // namespace vex::gui::componentinterface
