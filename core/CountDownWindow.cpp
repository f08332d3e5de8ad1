#include "core/CountDownWindow.h"

namespace vex::orb::core {

void CountDownWindow::Show(int seconds) {
    text_ = FormatSeconds(seconds);
    visible_ = true;
}

std::string CountDownWindow::FormatSeconds(int seconds) {
    return "<font size=6><b>" + std::to_string(seconds) + "</b></font> ";
}

} // namespace vex::orb::core
