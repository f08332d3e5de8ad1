#include "gui/component/qt/FlmButton.h"

#include <QIcon>
#include <QMenu>
#include <QPainter>

namespace vex::gui::component {

Component* FlmButton::Factory::create(const util::xml::Element& /*element*/) {
    return new qt::FlmButton;
}

namespace qt {

FlmButton::FlmButton() : menu_(new QMenu(this)) {
    gui::qt::ConnectButtonEvents(*this, *this);
    setMenu(menu_);
}

void FlmButton::Loaded() {
    setText(gui::qt::ToQString(label_));
    menu_->clear();
    gui::qt::FillMenu(*menu_, popup_.entries, *this);
    setPopupMode(delay_ > 0 ? QToolButton::DelayedPopup : QToolButton::InstantPopup);
    setToolButtonStyle(images_[0].isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
}

void FlmButton::ShowImage(ImageState state, const std::string& image) {
    images_[static_cast<int>(state)] = image.empty() ? QPixmap() : QPixmap(gui::qt::ToQString(image));
    // The icon's modes: normal, pressed (selected) and under the mouse (active).
    QIcon icon;
    const QIcon::Mode modes[] = {QIcon::Normal, QIcon::Selected, QIcon::Active};
    for (int i = 0; i < kImageStates; ++i)
        if (!images_[i].isNull()) icon.addPixmap(images_[i], modes[i]);
    setIcon(icon);
    if (!images_[0].isNull()) setIconSize(images_[0].size());
    setToolButtonStyle(images_[0].isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
}

void FlmButton::paintEvent(QPaintEvent* event) {
    QToolButton::paintEvent(event);
    if (!hasFocus() || !focusMarkerColor_) return;
    QPainter painter(this);
    painter.setPen(gui::qt::ToQColor(*focusMarkerColor_));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace qt

} // namespace vex::gui::component
