#include "gui/component/qt/Graph.h"

#include "gui/component/qt/GraphPainter.h"

#include <QPainter>

namespace vex::gui::component {

Component* Graph::Factory::create(const util::xml::Element&) {
    return new qt::Graph;
}

namespace qt {

QSize Graph::sizeHint() const {
    return gui::qt::PreferredSize(*this, QSize(240, 140));
}

void Graph::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    GraphPainter::Paint(painter, QRectF(rect()), boundaries_, curves_);
}

} // namespace qt
} // namespace vex::gui::component
