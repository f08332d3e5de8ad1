#pragma once

#include "gui/StdComponent.h"
#include "gui/componentinterface/Dialog.h"
#include "util/AbstractFactory.h"

#include <string>

namespace vex::gui::component {

/// A `dialog`: the window of a layout. `label` is its title; `icon`, `topmost`, `maximizebtn`,
/// `minimizebtn`, `closebtn`, `titlebar` and `modal` ("yes"/"no") shape the window, `padding` is the
/// room around its content; `desiredwidth`/`desiredheight` give its first size.
class Dialog : public StdComponent, public componentinterface::Dialog {
public:
    bool IsTopmost() const { return topmost_; }
    bool HasMaximizeButton() const { return maximizeButton_; }
    bool HasMinimizeButton() const { return minimizeButton_; }
    bool HasCloseButton() const { return closeButton_; }
    bool HasTitlebar() const { return titlebar_; }
    bool IsModal() const { return modal_; }
    /// The icon path as written (before path variables are resolved).
    const std::string& GetIconPath() const { return iconPath_; }

    /// Makes dialogs from `dialog` elements.
    class Factory : public util::AbstractFactory<Component>::Factory {
    public:
        std::string name() const override { return "dialog"; }
        Component* create(const util::xml::Element& element) override;
    };

protected:
    void LoadOwn(const util::xml::Element& element) override;

    std::string iconPath_;
    // Without attributes a dialog has a title bar with a close button only.
    bool topmost_ = false;
    bool maximizeButton_ = false;
    bool minimizeButton_ = false;
    bool closeButton_ = true;
    bool titlebar_ = true;
    bool modal_ = false;
};

} // namespace vex::gui::component
