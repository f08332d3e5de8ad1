#pragma once

namespace vex::gui::componentinterface {

/// A bar showing how far some work has come.
class Progressbar {
public:
    virtual ~Progressbar() = default;

    /// Sets the values of an empty and a full bar.
    virtual void SetRange(int minimum, int maximum) = 0;
    /// Sets the value shown (kept within the range).
    virtual void SetValue(int value) = 0;
    /// The value shown.
    virtual int GetValue() const = 0;
};

} // namespace vex::gui::componentinterface
