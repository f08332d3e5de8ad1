#pragma once

// What the user does to the widgets of a window, as real Qt input events.

#include "gui/Component.h"
#include "gui/qt/Realisation.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

namespace vex::orb::core::test {

/// The widget of `component` as the Qt class `T`; null when it is none.
template <typename T>
T* WidgetAs(gui::Component* component) {
    return qobject_cast<T*>(gui::qt::AsWidget(component));
}

/// Replaces the text of a spinner as a user does: select all, type `text`, press Return.
inline void TypeIntoSpinner(QAbstractSpinBox& spinner, const QString& text) {
    QTest::keyClick(&spinner, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&spinner, text);
    QTest::keyClick(&spinner, Qt::Key_Return);
}

/// Clicks the tick box of a check box with the mouse.
inline void ClickCheckBox(QCheckBox& box) {
    QStyleOptionButton option;
    option.initFrom(&box);
    const QRect indicator = box.style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, &box);
    QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, indicator.center());
}

} // namespace vex::orb::core::test
