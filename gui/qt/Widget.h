#pragma once

#include "gui/qt/Realisation.h"

#include <QContextMenuEvent>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QSignalBlocker>

namespace vex::gui::qt {

/// The Qt realisation shared by every component kind: `QtBase` is the Qt widget, `Kind` the
/// toolkit-neutral component (tier 2). Applies the common state to the widget, reports resizes and
/// moves, offers the context menu and lets the layout's width and height set the size hint.
template <class QtBase, class Kind>
class Widget : public QtBase, public Kind {
public:
    Widget() = default;
    /// Silences the widget first: its Qt signals must not reach the component parts already gone.
    ~Widget() override { this->blockSignals(true); }

    /// Loads the component with the widget's signals blocked: setting up the first state reports nothing.
    void Load(const util::xml::Element& element, BuildReport* report) override {
        const QSignalBlocker blocker(this);
        Kind::Load(element, report);
    }

    /// The widget's own size hint with the component's width and height where given.
    QSize sizeHint() const override { return PreferredSize(*this, QtBase::sizeHint()); }

protected:
    void CommonStateChanged() override { ApplyCommonState(*this, *this); }

    void resizeEvent(QResizeEvent* event) override {
        QtBase::resizeEvent(event);
        this->SendEvent(Component::kResized,
                        Component::PackPair(event->size().width(), event->size().height()));
    }
    void moveEvent(QMoveEvent* event) override {
        QtBase::moveEvent(event);
        this->SendEvent(Component::kMoved, Component::PackPair(event->pos().x(), event->pos().y()));
    }
    void contextMenuEvent(QContextMenuEvent* event) override {
        if (this->GetPopup().Empty())
            QtBase::contextMenuEvent(event);
        else
            ShowPopup(*this, event->globalPos());
    }
};

} // namespace vex::gui::qt
