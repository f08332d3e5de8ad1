#pragma once

namespace vex::gui {
class Component;
}

namespace vex::gui::componentinterface {

/// A scrolled view of one child.
class Scroll {
public:
    virtual ~Scroll() = default;

    /// The child scrolled; null when it has none.
    virtual Component* GetContent() const = 0;
    /// Scrolls so the point (x, y) of the child lies at the view's top left (as far as it can).
    virtual void ScrollTo(int x, int y) = 0;
};

} // namespace vex::gui::componentinterface
