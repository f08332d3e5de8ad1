#pragma once

#include "gui/component/Graph.h"
#include "gui/qt/Widget.h"

#include <QWidget>

namespace vex::gui::component::qt {

/// The graph: a plain widget that paints the component's curves with GraphPainter.
class Graph : public gui::qt::Widget<QWidget, component::Graph> {
public:
    /// The size a graph asks for when the layout gives none.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void GraphChanged() override { update(); }
};

} // namespace vex::gui::component::qt
