#pragma once

#include "gui/Rgba.h"

#include <cstdint>
#include <string>

namespace vex::gui::componentinterface {

/// A push button, optionally a toggle, optionally drawn from one image per state or flat colours.
class Button {
public:
    /// Event: the button went down.
    static constexpr int32_t kPressed = 0x4140;
    /// Event: the button came up.
    static constexpr int32_t kReleased = 0x4141;
    /// Event: the button was clicked; value = the toggle state after the click (1 on, 0 off).
    static constexpr int32_t kClicked = 0x4142;

    /// The states that can have their own image, in the order of their attributes img_default,
    /// img_pressed, img_hover, img_toggle_default, img_toggle_pressed, img_toggle_hover, img_disabled.
    enum class ImageState {
        kDefault,
        kPressed,
        kHover,
        kToggleDefault,
        kTogglePressed,
        kToggleHover,
        kDisabled
    };
    static constexpr int kImageStates = 7;
    /// The states that can have their own flat colour (flatcolor_default, _pressed, _hover).
    enum class ColorState { kDefault, kPressed, kHover };
    static constexpr int kColorStates = 3;

    virtual ~Button() = default;

    /// Sets the image of `state` (path variables allowed; "" removes it).
    virtual void SetImage(ImageState state, const std::string& path) = 0;
    /// Sets the flat colour of `state`; the button is then painted flat in these colours.
    virtual void SetFlatColor(ColorState state, const Rgba& color) = 0;
    /// Turns a toggle button on or off (no event is sent).
    virtual void SetToggled(bool on) = 0;
    /// Whether a toggle button is on.
    virtual bool IsToggled() const = 0;
    /// Whether the button is held down.
    virtual bool IsPressed() const = 0;
};

} // namespace vex::gui::componentinterface
