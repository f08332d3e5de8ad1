#pragma once

#include <string>

namespace vex::gui::componentinterface {

/// A frame around one content child.
class Border {
public:
    virtual ~Border() = default;

    /// Replaces the frame style: "none", "thin", "sunken" or "normal".
    virtual void SetFrameStyle(const std::string& style) = 0;
};

} // namespace vex::gui::componentinterface
