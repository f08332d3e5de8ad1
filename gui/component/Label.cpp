#include "gui/component/Label.h"

#include "util/xml/Element.h"

namespace vex::gui::component {

void Label::SetImagePath(const std::string& path) {
    imagePath_ = path;
    RefreshImages();
}

void Label::LoadOwn(const util::xml::Element& element) {
    initialText_ = element.GetText();
    ReadAlignment(element);
    wrap_ = IsYes(element.GetAttribute("wrap"));
    selectable_ = IsYes(element.GetAttribute("selectable"));
    hyperlinks_ = IsYes(element.GetAttribute("hyperlinks"));
    imagePath_ = element.GetAttribute("imagepath");
}

void Label::RefreshImages() {
    ShowImage(ResolvePath(imagePath_));
}

} // namespace vex::gui::component
