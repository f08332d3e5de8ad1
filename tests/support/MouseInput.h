#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace vex::test {

/// A left click at `point` of `widget` as the window system delivers it (press, release), followed
/// by a double click (double-click event, release) when `twice`. Item views report double clicks
/// only after a press, which QTest::mouseDClick does not always send.
inline void Click(QWidget* widget, QPoint point, bool twice = false) {
    const auto send = [&](QEvent::Type type, Qt::MouseButtons buttons) {
        QMouseEvent event(type, point, widget->mapToGlobal(point), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
    if (!twice) return;
    send(QEvent::MouseButtonDblClick, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
}

/// A double click at `point` of `widget`.
inline void DoubleClick(QWidget* widget, QPoint point) {
    Click(widget, point, true);
}

} // namespace vex::test
