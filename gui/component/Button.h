#pragma once

#include "gui/StdComponent.h"
#include "gui/componentinterface/Button.h"
#include "util/AbstractFactory.h"

#include <array>
#include <optional>
#include <string>

namespace vex::gui::component {

/// A `button`: `label` is its text; `flat`, `default` and `toggle` ("yes"); one image per state
/// (`img_default`, `img_pressed`, `img_hover`, `img_toggle_default`, `img_toggle_pressed`,
/// `img_toggle_hover`, `img_disabled`) and flat colours (`flatcolor_default`, `flatcolor_pressed`,
/// `flatcolor_hover`, each "r g b a"). A button with images or flat colours is drawn from them.
class Button : public StdComponent, public componentinterface::Button {
public:
    void SetImage(ImageState state, const std::string& path) override;
    void SetFlatColor(ColorState state, const Rgba& color) override;

    /// The image path of `state` as written (before path variables are resolved).
    const std::string& GetImagePath(ImageState state) const { return imagePaths_[Index(state)]; }
    /// The flat colour of `state`, if any.
    const std::optional<Rgba>& GetFlatColor(ColorState state) const { return flatColors_[Index(state)]; }
    bool IsFlat() const { return flat_; }
    bool IsDefault() const { return default_; }
    bool IsToggle() const { return toggle_; }

    /// The image to draw for a button in the given condition, among the states that have one
    /// (`available`, indexed by ImageState): a disabled button shows its disabled image, a toggled
    /// one its toggle images, each falling back to the plain pressed/hover/default images; nullopt
    /// when no candidate has an image.
    static std::optional<ImageState> ChooseImage(const std::array<bool, kImageStates>& available,
                                                 bool enabled, bool toggled, bool pressed, bool hover);
    /// The flat colour for a button pressed (or toggled on) or under the mouse, falling back to the
    /// default colour; nullopt when none applies.
    static std::optional<ColorState> ChooseColor(const std::array<bool, kColorStates>& available,
                                                 bool pressed, bool hover);

    /// Makes buttons from `button` elements.
    class Factory : public util::AbstractFactory<Component>::Factory {
    public:
        std::string name() const override { return "button"; }
        Component* create(const util::xml::Element& element) override;
    };

protected:
    void LoadOwn(const util::xml::Element& element) override;
    void RefreshImages() override;
    /// Shows `image` (a resolved path; "" for none) for `state`.
    virtual void ShowImage(ImageState state, const std::string& image) = 0;
    /// Called when the flat colours changed.
    virtual void FlatColorsChanged() = 0;

    template <typename State>
    static int Index(State state) {
        return static_cast<int>(state);
    }

    std::array<std::string, kImageStates> imagePaths_;
    std::array<std::optional<Rgba>, kColorStates> flatColors_;
    bool flat_ = false;
    bool default_ = false;
    bool toggle_ = false;
};

} // namespace vex::gui::component
