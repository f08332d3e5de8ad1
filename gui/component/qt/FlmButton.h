#pragma once

#include "gui/component/FlmButton.h"
#include "gui/qt/Widget.h"

#include <QPixmap>
#include <QToolButton>

#include <array>

class QMenu;

namespace vex::gui::component::qt {

/// A floating-menu button as a QToolButton with a menu.
class FlmButton : public gui::qt::Widget<QToolButton, component::FlmButton> {
public:
    FlmButton();
    void OpenMenu() override { showMenu(); }
    /// The floating menu (the popup entries).
    QMenu& GetMenu() { return *menu_; }

protected:
    void Loaded() override;
    void ShowImage(ImageState state, const std::string& image) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QMenu* menu_;
    std::array<QPixmap, kImageStates> images_;
};

} // namespace vex::gui::component::qt
