#include "gui/component/Button.h"

#include "util/xml/Element.h"

#include <initializer_list>

namespace vex::gui::component {

namespace {

constexpr const char* kImageAttributes[] = {"img_default",        "img_pressed",        "img_hover",
                                            "img_toggle_default", "img_toggle_pressed", "img_toggle_hover",
                                            "img_disabled"};
constexpr const char* kColorAttributes[] = {"flatcolor_default", "flatcolor_pressed", "flatcolor_hover"};

// The first of `candidates` that is available.
template <typename State, std::size_t N>
std::optional<State> FirstAvailable(const std::array<bool, N>& available,
                                    std::initializer_list<State> candidates) {
    for (State state : candidates)
        if (available[static_cast<std::size_t>(state)]) return state;
    return std::nullopt;
}

} // namespace

void Button::SetImage(ImageState state, const std::string& path) {
    imagePaths_[Index(state)] = path;
    ShowImage(state, ResolvePath(path));
}

void Button::SetFlatColor(ColorState state, const Rgba& color) {
    flatColors_[Index(state)] = color;
    FlatColorsChanged();
}

void Button::LoadOwn(const util::xml::Element& element) {
    flat_ = IsYes(element.GetAttribute("flat"));
    default_ = IsYes(element.GetAttribute("default"));
    toggle_ = IsYes(element.GetAttribute("toggle"));
    for (int i = 0; i < kImageStates; ++i) imagePaths_[i] = element.GetAttribute(kImageAttributes[i]);
    for (int i = 0; i < kColorStates; ++i)
        if (element.HasAttribute(kColorAttributes[i]))
            flatColors_[i] = Rgba::Parse(element.GetAttribute(kColorAttributes[i]));
    FlatColorsChanged();
}

void Button::RefreshImages() {
    for (int i = 0; i < kImageStates; ++i) ShowImage(ImageState(i), ResolvePath(imagePaths_[i]));
}

std::optional<Button::ImageState> Button::ChooseImage(const std::array<bool, kImageStates>& available,
                                                      bool enabled, bool toggled, bool pressed, bool hover) {
    using S = ImageState;
    if (!enabled) return FirstAvailable(available, {S::kDisabled, S::kDefault});
    if (toggled) {
        if (pressed)
            return FirstAvailable(available,
                                  {S::kTogglePressed, S::kPressed, S::kToggleDefault, S::kDefault});
        if (hover)
            return FirstAvailable(available, {S::kToggleHover, S::kHover, S::kToggleDefault, S::kDefault});
        return FirstAvailable(available, {S::kToggleDefault, S::kDefault});
    }
    if (pressed) return FirstAvailable(available, {S::kPressed, S::kDefault});
    if (hover) return FirstAvailable(available, {S::kHover, S::kDefault});
    return FirstAvailable(available, {S::kDefault});
}

std::optional<Button::ColorState> Button::ChooseColor(const std::array<bool, kColorStates>& available,
                                                      bool pressed, bool hover) {
    using S = ColorState;
    if (pressed) return FirstAvailable(available, {S::kPressed, S::kDefault});
    if (hover) return FirstAvailable(available, {S::kHover, S::kDefault});
    return FirstAvailable(available, {S::kDefault});
}

} // namespace vex::gui::component
