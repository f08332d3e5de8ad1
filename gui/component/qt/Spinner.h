#pragma once

#include "gui/component/Spinner.h"
#include "gui/qt/Widget.h"

#include <QDoubleSpinBox>

namespace vex::gui::component::qt {

/// A spinner as a QDoubleSpinBox.
class Spinner : public gui::qt::Widget<QDoubleSpinBox, component::Spinner> {
public:
    Spinner();
    void SetValue(double value) override { setValue(value); }
    double GetValue() const override { return value(); }
    void SetRange(double minimum, double maximum) override;

protected:
    void LoadOwn(const util::xml::Element& element) override;

private:
    // Sends `code` with the current value.
    void SendValue(int32_t code);
};

} // namespace vex::gui::component::qt
