#pragma once

#include "gui/component/Scroll.h"
#include "gui/qt/Widget.h"

#include <QScrollArea>

namespace vex::gui::component::qt {

/// A scroll view as a QScrollArea that resizes its child with the view.
class Scroll : public gui::qt::Widget<QScrollArea, component::Scroll> {
public:
    Scroll();
    void ScrollTo(int x, int y) override;
    void ChildAdded(Component& child) override;
};

} // namespace vex::gui::component::qt
