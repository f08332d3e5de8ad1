#pragma once

#include "gui/background/Color.h"

namespace vex::gui::background::qt {

/// Paints the colour as the widget's window brush.
class Color : public background::Color {
public:
    void ApplyTo(Component& component) const override;
};

} // namespace vex::gui::background::qt
