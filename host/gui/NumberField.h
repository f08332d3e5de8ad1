#pragma once

#include <QLineEdit>

#include <functional>

namespace vex::host::gui {

/// A one-number text box that shows and reads its number in the "C" form whatever the locale. A number
/// typed and confirmed (Return, or leaving the box) goes to the edit listener; text that is not a number
/// puts the shown value back.
class NumberField : public QLineEdit {
public:
    explicit NumberField(QWidget* parent = nullptr);

    /// Shows `value` (with at most six significant digits), unless the user is typing in the box.
    void setValue(double value);
    /// The value shown.
    double value() const { return value_; }
    /// Calls `listener` with every number the user confirms that differs from the one shown.
    void OnEdited(std::function<void(double)> listener) { edited_ = std::move(listener); }

private:
    void Confirm();

    double value_ = 0.0;
    std::function<void(double)> edited_;
};

} // namespace vex::host::gui
