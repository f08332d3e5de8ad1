#include "gui/component/FlmButton.h"

#include "util/xml/Element.h"

#include <algorithm>

namespace vex::gui::component {

namespace {

constexpr const char* kImageAttributes[] = {"img_default", "img_pressed", "img_hover"};

} // namespace

void FlmButton::SetImage(ImageState state, const std::string& path) {
    imagePaths_[static_cast<int>(state)] = path;
    ShowImage(state, ResolvePath(path));
}

void FlmButton::LoadOwn(const util::xml::Element& element) {
    for (int i = 0; i < kImageStates; ++i) imagePaths_[i] = element.GetAttribute(kImageAttributes[i]);
    delay_ = std::max(element.GetAttributeInt("delay", 0), 0);
    if (element.HasAttribute("focusmarkercolor"))
        focusMarkerColor_ = Rgba::Parse(element.GetAttribute("focusmarkercolor"));
}

void FlmButton::RefreshImages() {
    for (int i = 0; i < kImageStates; ++i) ShowImage(ImageState(i), ResolvePath(imagePaths_[i]));
}

} // namespace vex::gui::component
