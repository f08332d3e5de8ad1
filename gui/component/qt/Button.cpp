#include "gui/component/qt/Button.h"

#include <QPainter>
#include <QSignalBlocker>

namespace vex::gui::component {

Component* Button::Factory::create(const util::xml::Element& /*element*/) {
    return new qt::Button;
}

namespace qt {

Button::Button() {
    gui::qt::ConnectButtonEvents(*this, *this);
}

void Button::SetToggled(bool on) {
    const QSignalBlocker blocker(this);
    setChecked(on);
}

QSize Button::sizeHint() const {
    const QPixmap& image = images_[Index(ImageState::kDefault)];
    return gui::qt::PreferredSize(*this, image.isNull() ? QPushButton::sizeHint() : image.size());
}

void Button::LoadOwn(const util::xml::Element& element) {
    component::Button::LoadOwn(element);
    setText(gui::qt::ToQString(label_));
    setFlat(flat_);
    setDefault(default_);
    setCheckable(toggle_);
}

void Button::ShowImage(ImageState state, const std::string& image) {
    images_[Index(state)] = image.empty() ? QPixmap() : QPixmap(gui::qt::ToQString(image));
    updateGeometry();
    update();
}

void Button::paintEvent(QPaintEvent* event) {
    std::array<bool, kImageStates> haveImage{};
    for (int i = 0; i < kImageStates; ++i) haveImage[i] = !images_[i].isNull();
    std::array<bool, kColorStates> haveColor{};
    for (int i = 0; i < kColorStates; ++i) haveColor[i] = flatColors_[i].has_value();
    const bool hover = underMouse();
    const auto image = ChooseImage(haveImage, isEnabled(), isChecked(), isDown(), hover);
    const auto color = ChooseColor(haveColor, isDown() || isChecked(), hover);
    if (!image && !color) {
        QPushButton::paintEvent(event);
        return;
    }
    QPainter painter(this);
    if (color) painter.fillRect(rect(), gui::qt::ToQColor(*flatColors_[Index(*color)]));
    if (image) {
        const QPixmap& pixmap = images_[Index(*image)];
        QRect target(QPoint(), pixmap.size().scaled(size(), Qt::KeepAspectRatio));
        target.moveCenter(rect().center());
        painter.drawPixmap(target, pixmap);
    } else if (!text().isEmpty()) {
        painter.setPen(
            palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        painter.drawText(rect(), Qt::AlignCenter, text());
    }
}

void Button::enterEvent(QEnterEvent* event) {
    Widget::enterEvent(event);
    update(); // the hover image or colour
}

void Button::leaveEvent(QEvent* event) {
    Widget::leaveEvent(event);
    update();
}

} // namespace qt

} // namespace vex::gui::component
