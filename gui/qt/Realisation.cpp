#include "gui/qt/Realisation.h"

#include "gui/Background.h"
#include "gui/componentinterface/Button.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QFrame>
#include <QMenu>
#include <QPalette>

namespace vex::gui::qt {

QWidget* AsWidget(Component* component) {
    return dynamic_cast<QWidget*>(component);
}

Component* AsComponent(QWidget* widget) {
    return dynamic_cast<Component*>(widget);
}

Qt::Alignment ToQtAlignment(StdComponent::HAlign h, StdComponent::VAlign v) {
    Qt::Alignment alignment;
    switch (h) {
    case StdComponent::HAlign::kLeft:
        alignment |= Qt::AlignLeft;
        break;
    case StdComponent::HAlign::kCenter:
        alignment |= Qt::AlignHCenter;
        break;
    case StdComponent::HAlign::kRight:
        alignment |= Qt::AlignRight;
        break;
    case StdComponent::HAlign::kNone:
        break;
    }
    switch (v) {
    case StdComponent::VAlign::kTop:
        alignment |= Qt::AlignTop;
        break;
    case StdComponent::VAlign::kCenter:
        alignment |= Qt::AlignVCenter;
        break;
    case StdComponent::VAlign::kBottom:
        alignment |= Qt::AlignBottom;
        break;
    case StdComponent::VAlign::kNone:
        break;
    }
    return alignment;
}

QPixmap LoadImage(const Component& component, const std::string& path) {
    if (path.empty()) return QPixmap();
    return QPixmap(ToQString(component.ResolvePath(path)));
}

void ApplySpacing(QWidget& widget, QLayout& layout, const StdComponent& container) {
    widget.setContentsMargins(ToQMargins(container.GetMargin()));
    layout.setContentsMargins(ToQMargins(container.GetPadding()));
}

void ApplyFrameSpacing(QLayout& layout, const StdComponent& container) {
    layout.setContentsMargins(ToQMargins(container.GetMargin()) + ToQMargins(container.GetPadding()));
}

namespace {

bool IsRow(const QBoxLayout& layout) {
    return layout.direction() == QBoxLayout::LeftToRight || layout.direction() == QBoxLayout::RightToLeft;
}

} // namespace

void AddToLayout(QBoxLayout& layout, Component& child, const StdComponent& container) {
    QWidget* widget = AsWidget(&child);
    if (widget == nullptr) return;
    // Across the box each child aligns in its own cell; along it AlignBoxContents packs them. Children
    // go before the trailing stretch that packing may have put at the end.
    const bool row = IsRow(layout);
    const Qt::Alignment across = row ? ToQtAlignment(StdComponent::HAlign::kNone, container.GetVAlign())
                                     : ToQtAlignment(container.GetHAlign(), StdComponent::VAlign::kNone);
    const int count = layout.count();
    const bool trailing = count > 0 && layout.itemAt(count - 1)->spacerItem() != nullptr &&
                          !(count == 1 && AlignsToEnd(layout, container));
    layout.insertWidget(trailing ? count - 1 : count, widget, 0, across);
}

bool AlignsToEnd(const QBoxLayout& layout, const StdComponent& container) {
    return IsRow(layout) ? container.GetHAlign() == StdComponent::HAlign::kRight
                         : container.GetVAlign() == StdComponent::VAlign::kBottom;
}

void AlignBoxContents(QBoxLayout& layout, const StdComponent& container) {
    // Stretches rather than a layout alignment, so that the children keep the height a wrapping text
    // needs at the width it gets.
    const bool row = IsRow(layout);
    const bool start = row ? container.GetHAlign() == StdComponent::HAlign::kLeft
                           : container.GetVAlign() == StdComponent::VAlign::kTop;
    const bool centre = row ? container.GetHAlign() == StdComponent::HAlign::kCenter
                            : container.GetVAlign() == StdComponent::VAlign::kCenter;
    if (AlignsToEnd(layout, container) || centre) layout.addStretch(1);
    if (start || centre) layout.addStretch(1);
}

void ConnectButtonEvents(QAbstractButton& button, Component& component) {
    using Events = componentinterface::Button;
    QObject::connect(&button, &QAbstractButton::pressed, &button,
                     [&component] { component.SendEvent(Events::kPressed); });
    QObject::connect(&button, &QAbstractButton::released, &button,
                     [&component] { component.SendEvent(Events::kReleased); });
    QObject::connect(&button, &QAbstractButton::clicked, &button,
                     [&component](bool checked) { component.SendEvent(Events::kClicked, checked ? 1 : 0); });
}

void ApplyFrameStyle(QFrame& frame, const std::string& style) {
    if (style == "none")
        frame.setFrameStyle(QFrame::NoFrame);
    else if (style == "thin")
        frame.setFrameStyle(QFrame::Box | QFrame::Plain);
    else if (style == "raised")
        frame.setFrameStyle(QFrame::Panel | QFrame::Raised);
    else if (style == "sunken")
        frame.setFrameStyle(QFrame::Panel | QFrame::Sunken);
    else if (style == "normal")
        frame.setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
}

void SetWindowBrush(QWidget& widget, const QBrush& brush) {
    QPalette palette = widget.palette();
    palette.setBrush(QPalette::Window, brush);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void ApplyCommonState(QWidget& widget, Component& component) {
    // A window without a minimum of its own takes its content's: an explicit minimum, even of zero,
    // would keep the layout from growing the window when content appears.
    if (!widget.isWindow() || component.GetMinWidth() > 0 || component.GetMinHeight() > 0)
        widget.setMinimumSize(component.GetMinWidth(), component.GetMinHeight());
    widget.setMaximumSize(component.GetMaxWidth(), component.GetMaxHeight());
    QSizePolicy policy = widget.sizePolicy();
    if (component.IsFixedHorizontally()) {
        const int width = component.GetWidth() >= 0 ? component.GetWidth() : widget.sizeHint().width();
        widget.setFixedWidth(width);
        policy.setHorizontalPolicy(QSizePolicy::Fixed);
    }
    if (component.IsFixedVertically()) {
        const int height = component.GetHeight() >= 0 ? component.GetHeight() : widget.sizeHint().height();
        widget.setFixedHeight(height);
        policy.setVerticalPolicy(QSizePolicy::Fixed);
    }
    widget.setSizePolicy(policy);
    if (component.GetLeft() != Component::kUnset || component.GetTop() != Component::kUnset)
        widget.move(std::max(component.GetLeft(), 0), std::max(component.GetTop(), 0));
    // Hiding is explicit, so a layout that adopts the widget later keeps it hidden; showing is left to
    // the parent, so building a tree never opens a window of its own.
    if (!component.GetVisible())
        widget.hide();
    else if (widget.parentWidget() != nullptr && widget.isHidden())
        widget.show();
    widget.setEnabled(component.GetEnabled());
    if (!component.GetTabStop()) widget.setFocusPolicy(Qt::FocusPolicy(widget.focusPolicy() & ~Qt::TabFocus));
    widget.setToolTip(ToQString(component.GetTooltip()));
    if (const Background* background = component.GetBackground()) background->ApplyTo(component);
}

QSize PreferredSize(const Component& component, QSize natural) {
    if (component.GetWidth() >= 0) natural.setWidth(component.GetWidth());
    if (component.GetHeight() >= 0) natural.setHeight(component.GetHeight());
    return natural;
}

void FillMenu(QMenu& menu, const std::vector<PopupMenu::Entry>& entries, Component& component) {
    for (const PopupMenu::Entry& entry : entries) {
        switch (entry.kind) {
        case PopupMenu::Entry::Kind::kItem: {
            QAction* action = menu.addAction(ToQString(entry.label));
            const int32_t id = entry.id;
            QObject::connect(action, &QAction::triggered, &menu,
                             [&component, id] { component.SendEvent(Component::kPopupItem, id); });
            break;
        }
        case PopupMenu::Entry::Kind::kSeparator:
            menu.addSeparator();
            break;
        case PopupMenu::Entry::Kind::kSubMenu:
            FillMenu(*menu.addMenu(ToQString(entry.label)), entry.entries, component);
            break;
        }
    }
}

void ShowPopup(Component& component, const QPoint& globalPosition) {
    QMenu menu;
    FillMenu(menu, component.GetPopup().entries, component);
    menu.exec(globalPosition);
}

} // namespace vex::gui::qt
