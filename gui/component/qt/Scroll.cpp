#include "gui/component/qt/Scroll.h"

#include <QScrollBar>

namespace vex::gui::component {

Component* Scroll::Factory::create(const util::xml::Element& /*element*/) {
    return new qt::Scroll;
}

namespace qt {

Scroll::Scroll() {
    setWidgetResizable(true);
}

void Scroll::ScrollTo(int x, int y) {
    horizontalScrollBar()->setValue(x);
    verticalScrollBar()->setValue(y);
}

void Scroll::ChildAdded(Component& child) {
    QWidget* content = gui::qt::AsWidget(&child);
    if (content == nullptr) return;
    // The view shows one child; the scroll area would delete a replaced one, which the tree owns.
    if (widget() == nullptr)
        setWidget(content);
    else
        content->hide();
}

} // namespace qt

} // namespace vex::gui::component
