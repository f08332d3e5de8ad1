#pragma once

#include "gui/component/Button.h"
#include "gui/qt/Widget.h"

#include <QPixmap>
#include <QPushButton>

#include <array>

namespace vex::gui::component::qt {

/// A button as a QPushButton; with images or flat colours it paints itself from them.
class Button : public gui::qt::Widget<QPushButton, component::Button> {
public:
    Button();
    void SetToggled(bool on) override;
    bool IsToggled() const override { return isChecked(); }
    bool IsPressed() const override { return isDown(); }
    /// The images' size where the button is drawn from images, else QPushButton's hint.
    QSize sizeHint() const override;

protected:
    void LoadOwn(const util::xml::Element& element) override;
    void ShowImage(ImageState state, const std::string& image) override;
    void FlatColorsChanged() override { update(); }
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    std::array<QPixmap, kImageStates> images_;
};

} // namespace vex::gui::component::qt
