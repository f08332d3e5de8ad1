#include "core/WindowDock.h"

#include <QCloseEvent>
#include <QMainWindow>

#include <cstdint>
#include <utility>

namespace vex::orb::core {

QMainWindow* WindowDock::FindHostWindow(void* native) {
    if (native == nullptr) return nullptr;
    return qobject_cast<QMainWindow*>(
        QWidget::find(static_cast<WId>(reinterpret_cast<std::uintptr_t>(native))));
}

WindowDock::WindowDock(QMainWindow& host, QWidget& content, std::function<void()> closed)
    : QDockWidget(content.windowTitle(), &host), content_(&content), closed_(std::move(closed)) {
    setObjectName(QStringLiteral("TorvaSuiteDock"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    setWidget(&content);
    QDockWidget* beside = nullptr;
    for (QDockWidget* other : host.findChildren<QDockWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other != this && host.dockWidgetArea(other) == Qt::RightDockWidgetArea && !other->isFloating()) {
            beside = other;
            break;
        }
    }
    if (beside != nullptr) {
        host.tabifyDockWidget(beside, this);
    } else {
        host.addDockWidget(Qt::RightDockWidgetArea, this);
    }
}

WindowDock::~WindowDock() {
    if (content_ != nullptr) {
        content_->hide();
        content_->setParent(nullptr);
    }
    if (closed_) closed_();
}

void WindowDock::Dismiss() {
    closed_ = nullptr;
    delete this;
}

void WindowDock::ShowDocked() {
    show();
    raise();
}

void WindowDock::closeEvent(QCloseEvent* event) {
    QDockWidget::closeEvent(event);
    if (event->isAccepted() && closed_) closed_();
}

} // namespace vex::orb::core
