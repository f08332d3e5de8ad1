#pragma once

#include <string>

namespace vex::orb::core {

/// The count-down shown before a recording steps its first frame. Headless for now: it keeps what
/// the window will paint (its text and whether it is shown); the window layer gives it a face.
class CountDownWindow {
public:
    /// Shows the window counting down from `seconds`.
    void Show(int seconds);
    /// Hides the window.
    void Hide() { visible_ = false; }
    /// Whether the window is shown.
    bool IsVisible() const { return visible_; }
    /// Sets the rich text the window shows.
    void SetText(const std::string& text) { text_ = text; }
    /// The rich text the window shows.
    const std::string& GetText() const { return text_; }
    /// The text for `seconds` left: the number large and bold.
    static std::string FormatSeconds(int seconds);

private:
    bool visible_ = false;
    std::string text_;
};

} // namespace vex::orb::core
