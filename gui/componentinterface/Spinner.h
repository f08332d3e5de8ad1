#pragma once

#include <cstdint>

namespace vex::gui::componentinterface {

/// A number field with up and down steps.
class Spinner {
public:
    /// Event: editing finished; the payload's number holds the value, value its rounded whole number.
    static constexpr int32_t kEditingFinished = 0x4200;
    /// Event: the value changed; payload and value as for kEditingFinished.
    static constexpr int32_t kValueChanged = 0x4201;

    virtual ~Spinner() = default;

    /// Sets the value (kept within the range); sends kValueChanged when it changes.
    virtual void SetValue(double value) = 0;
    /// The value.
    virtual double GetValue() const = 0;
    /// Sets the range of values.
    virtual void SetRange(double minimum, double maximum) = 0;
};

} // namespace vex::gui::componentinterface
