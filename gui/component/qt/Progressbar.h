#pragma once

#include "gui/component/Progressbar.h"
#include "gui/qt/Widget.h"

#include <QProgressBar>

namespace vex::gui::component::qt {

/// A progress bar as a QProgressBar.
class Progressbar : public gui::qt::Widget<QProgressBar, component::Progressbar> {
public:
    Progressbar() { setRange(0, 100); }
    void SetRange(int minimum, int maximum) override { setRange(minimum, maximum); }
    void SetValue(int value) override { setValue(value); }
    int GetValue() const override { return value(); }
};

} // namespace vex::gui::component::qt
