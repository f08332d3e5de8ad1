#pragma once

#include "core/LayoutWindow.h"

#include <cstdint>
#include <string>

namespace vex::gui::componentinterface {
class Label;
}

namespace vex::orb::core {

/// The count-down shown before a recording steps its first frame: a small window (layout
/// "orb_countdown.xml") with the seconds left in large print, top-most when the main setting says so.
/// It keeps its text and whether it is shown also when there are no widgets.
class CountDownWindow : public LayoutWindow {
public:
    /// The layout and the label that shows the count-down text.
    static constexpr const char* kLayout = "orb_countdown.xml";
    static constexpr int32_t kTextLabel = 100;

    CountDownWindow() : LayoutWindow(kLayout) {}

    /// Shows the window counting down from `seconds`.
    void Show(int seconds);
    /// Hides the window.
    void Hide();
    /// Whether the window is shown.
    bool IsVisible() const { return visible_; }
    /// Sets the rich text the window shows.
    void SetText(const std::string& text);
    /// The rich text the window shows.
    const std::string& GetText() const { return text_; }
    /// The text for `seconds` left: the number large and bold.
    static std::string FormatSeconds(int seconds);

protected:
    void Built() override;

private:
    bool visible_ = false;
    std::string text_;
    gui::componentinterface::Label* label_ = nullptr;
};

} // namespace vex::orb::core
