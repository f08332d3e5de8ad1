#pragma once

#include <cstdint>

namespace vex::gui::componentinterface {

/// A check box with two states, or three when it is tri-state.
class CheckBox {
public:
    /// Event: the state changed; value = the new State.
    static constexpr int32_t kStateChanged = 0x4240;

    enum class State : int { kFalse = 0, kTrue = 1, kUndetermined = 2 };

    virtual ~CheckBox() = default;

    /// Sets the state (Undetermined makes the box tri-state); sends kStateChanged when it changes.
    virtual void SetState(State state) = 0;
    /// The state shown.
    virtual State GetState() const = 0;
};

} // namespace vex::gui::componentinterface
