#pragma once

// Helpers the Qt realisations of the component kinds share.

#include "gui/Component.h"
#include "gui/PopupMenu.h"
#include "gui/Rgba.h"
#include "gui/StdComponent.h"

#include <QBrush>
#include <QColor>
#include <QMargins>
#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>

#include <string>
#include <vector>

class QAbstractButton;
class QBoxLayout;
class QFrame;
class QMenu;

namespace vex::gui::qt {

/// The widget that realises `component`; null when it is not a widget (or null).
QWidget* AsWidget(Component* component);
/// The component a widget realises; null when it realises none.
Component* AsComponent(QWidget* widget);

inline QString ToQString(const std::string& text) {
    return QString::fromStdString(text);
}
inline std::string ToStd(const QString& text) {
    return text.toStdString();
}
inline QColor ToQColor(const Rgba& color) {
    return QColor(color.r, color.g, color.b, color.a);
}
inline QMargins ToQMargins(const StdComponent::Box& box) {
    return QMargins(box.left, box.top, box.right, box.bottom);
}
/// The Qt alignment of a component's `halign` and `valign` (empty when neither is given).
Qt::Alignment ToQtAlignment(StdComponent::HAlign h, StdComponent::VAlign v);

/// The image at `path` after its path variable is resolved for `component`; null pixmap for "".
QPixmap LoadImage(const Component& component, const std::string& path);

/// Gives a container its spacing: `margin` as the widget's contents margins, `padding` as the
/// layout's (so the margin lies outside the padding).
void ApplySpacing(QWidget& widget, QLayout& layout, const StdComponent& container);
/// Gives a frame (border, group box) its spacing without touching the widget's own contents margins,
/// which keep the room for the frame's line and the group's title: `margin` and `padding` together
/// become the layout's margins, the margin outermost.
void ApplyFrameSpacing(QLayout& layout, const StdComponent& container);
/// Places `child`'s widget at the end of `layout`, aligned across the box by the container's `valign`
/// (in a row) or `halign` (in a column).
void AddToLayout(QBoxLayout& layout, Component& child, const StdComponent& container);
/// Packs a box's children by the container's alignment along the box (halign for a row, valign for a
/// column): "right" puts a row of buttons at the right end, "top" a column at the top.
/// Call it before the children are added.
void AlignBoxContents(QBoxLayout& layout, const StdComponent& container);
/// Whether the container packs its box's children at the end (a row aligned right, a column bottom).
bool AlignsToEnd(const QBoxLayout& layout, const StdComponent& container);
/// Reports the pressed, released and clicked signals of `button` as the button events of
/// componentinterface::Button (clicked carries the toggle state: 1 checked, 0 not).
void ConnectButtonEvents(QAbstractButton& button, Component& component);

/// Frames a widget by its `style`: "none", "thin" (plain line), "raised", "sunken", "normal" (a
/// panel); any other value leaves the frame as it is.
void ApplyFrameStyle(QFrame& frame, const std::string& style);

/// Paints `brush` behind `widget` (its window role, filled automatically).
void SetWindowBrush(QWidget& widget, const QBrush& brush);

/// Applies the common component state to its widget: size limits, fixed directions, position,
/// visibility, enabled state, tab stop, tooltip and background.
void ApplyCommonState(QWidget& widget, Component& component);
/// `natural` with the component's preferred width and height put in where the layout gives them.
QSize PreferredSize(const Component& component, QSize natural);

/// Appends the entries of a context menu to `menu`; choosing an item sends Component::kPopupItem
/// with the item's id from `component`.
void FillMenu(QMenu& menu, const std::vector<PopupMenu::Entry>& entries, Component& component);
/// Runs the component's context menu at `globalPosition` (returns when it closes).
void ShowPopup(Component& component, const QPoint& globalPosition);

} // namespace vex::gui::qt
