#include "core/CountDownWindow.h"

#include "gui/componentinterface/Label.h"

#include <QWidget>

namespace vex::orb::core {

void CountDownWindow::Show(int seconds) {
    visible_ = true;
    SetText(FormatSeconds(seconds));
    ShowWindow();
}

void CountDownWindow::Hide() {
    visible_ = false;
    HideWindow();
}

void CountDownWindow::SetText(const std::string& text) {
    text_ = text;
    if (label_ != nullptr) label_->SetText(text_);
}

std::string CountDownWindow::FormatSeconds(int seconds) {
    return "<font size=6><b>" + std::to_string(seconds) + "</b></font> ";
}

void CountDownWindow::Built() {
    // The count-down must not take the keyboard from the host's window, through which the user stops
    // or retakes the recording.
    if (QWidget* widget = GetWidget()) widget->setAttribute(Qt::WA_ShowWithoutActivating);
    label_ = Find<gui::componentinterface::Label>(kTextLabel);
    if (label_ != nullptr) label_->SetText(text_);
}

} // namespace vex::orb::core
