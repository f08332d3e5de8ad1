#pragma once

#include <string>

namespace vex::gui::componentinterface {

/// A tool button that opens a floating menu (its popup entries); it reports the button events of
/// componentinterface::Button and the chosen entry as Component::kPopupItem.
class FlmButton {
public:
    /// The states that can have their own image (img_default, img_pressed, img_hover).
    enum class ImageState { kDefault, kPressed, kHover };
    static constexpr int kImageStates = 3;

    virtual ~FlmButton() = default;

    /// Sets the image of `state` (path variables allowed; "" removes it).
    virtual void SetImage(ImageState state, const std::string& path) = 0;
    /// Opens the floating menu under the button (returns when it closes).
    virtual void OpenMenu() = 0;
};

} // namespace vex::gui::componentinterface
