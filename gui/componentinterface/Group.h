#pragma once

#include <string>

namespace vex::gui::componentinterface {

/// A titled frame around one content child.
class Group {
public:
    virtual ~Group() = default;

    /// Replaces the title.
    virtual void SetTitle(const std::string& title) = 0;
    /// The title shown.
    virtual std::string GetTitle() const = 0;
};

} // namespace vex::gui::componentinterface
