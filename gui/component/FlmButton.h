#pragma once

#include "gui/Rgba.h"
#include "gui/StdComponent.h"
#include "gui/componentinterface/FlmButton.h"
#include "util/AbstractFactory.h"

#include <array>
#include <optional>
#include <string>

namespace vex::gui::component {

/// A `flmbutton`: a button whose `popup` entries form a floating menu. `label` is its text; images
/// `img_default`, `img_pressed`, `img_hover`; `delay` (milliseconds): 0 or none opens the menu at
/// once on a press, more opens it only when the button is held (a short click is a plain click);
/// `focusmarkercolor` ("r g b a") outlines the focused button.
class FlmButton : public StdComponent, public componentinterface::FlmButton {
public:
    void SetImage(ImageState state, const std::string& path) override;
    /// The image path of `state` as written.
    const std::string& GetImagePath(ImageState state) const { return imagePaths_[static_cast<int>(state)]; }
    int GetDelay() const { return delay_; }
    const std::optional<Rgba>& GetFocusMarkerColor() const { return focusMarkerColor_; }

    /// Makes floating-menu buttons from `flmbutton` elements.
    class Factory : public util::AbstractFactory<Component>::Factory {
    public:
        std::string name() const override { return "flmbutton"; }
        Component* create(const util::xml::Element& element) override;
    };

protected:
    void LoadOwn(const util::xml::Element& element) override;
    void RefreshImages() override;
    /// Shows `image` (a resolved path; "" for none) for `state`.
    virtual void ShowImage(ImageState state, const std::string& image) = 0;

    std::array<std::string, kImageStates> imagePaths_;
    int delay_ = 0;
    std::optional<Rgba> focusMarkerColor_;
};

} // namespace vex::gui::component
