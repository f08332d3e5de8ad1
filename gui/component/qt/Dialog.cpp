#include "gui/component/qt/Dialog.h"

#include <QIcon>

namespace vex::gui::component {

Component* Dialog::Factory::create(const util::xml::Element& /*element*/) {
    return new qt::Dialog;
}

namespace qt {

Dialog::Dialog() : layout_(new gui::qt::QBoxLayoutLimited(QBoxLayout::TopToBottom, this)) {
    QObject::connect(this, &QDialog::finished, this, [this](int result) { SendEvent(kClosed, result); });
}

void Dialog::Open() {
    setModal(modal_);
    show();
    raise();
    activateWindow();
}

void Dialog::LoadOwn(const util::xml::Element& element) {
    component::Dialog::LoadOwn(element);
    SetTitle(label_);
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
    if (titlebar_) {
        // The window buttons live in the title bar; without one there are none.
        flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
        if (closeButton_) flags |= Qt::WindowCloseButtonHint;
        if (minimizeButton_) flags |= Qt::WindowMinimizeButtonHint;
        if (maximizeButton_) flags |= Qt::WindowMaximizeButtonHint;
    } else {
        flags |= Qt::FramelessWindowHint;
    }
    if (topmost_) flags |= Qt::WindowStaysOnTopHint;
    setWindowFlags(flags);
    setModal(modal_);
    layout_->setContentsMargins(gui::qt::ToQMargins(padding_));
}

void Dialog::Loaded() {
    // The first size: the desired one where given, else what the content asks for.
    if (desiredWidth_ > 0 || desiredHeight_ > 0) {
        const QSize natural = sizeHint();
        resize(desiredWidth_ > 0 ? desiredWidth_ : natural.width(),
               desiredHeight_ > 0 ? desiredHeight_ : natural.height());
    }
}

void Dialog::RefreshImages() {
    if (!iconPath_.empty()) setWindowIcon(QIcon(gui::qt::LoadImage(*this, iconPath_)));
}

void Dialog::showEvent(QShowEvent* event) {
    Widget::showEvent(event);
    SendEvent(kShown);
}

void Dialog::changeEvent(QEvent* event) {
    Widget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange) SendEvent(kActivation, isActiveWindow() ? 1 : 0);
}

} // namespace qt

} // namespace vex::gui::component
