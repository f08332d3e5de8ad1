#pragma once

namespace vex::unidevice {

class Control;

/// An observer bound to a control (a property, an emulated control). The control does not own it
/// and tells it when the control goes away.
class ControlTarget {
public:
    virtual ~ControlTarget() = default;

    /// `control` is being destroyed; a target bound to it forgets it.
    virtual void controlRemoved(Control* control) = 0;
};

} // namespace vex::unidevice
