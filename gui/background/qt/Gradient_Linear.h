#pragma once

#include "gui/background/Gradient_Linear.h"

class QLinearGradient;

namespace vex::gui::background::qt {

/// Paints the gradient as the widget's window brush; relative coordinates follow the widget's size.
class Gradient_Linear : public background::Gradient_Linear {
public:
    void ApplyTo(Component& component) const override;
    /// The Qt gradient this background paints.
    QLinearGradient ToQt() const;
};

} // namespace vex::gui::background::qt
