#include "gui/component/qt/Border.h"

namespace vex::gui::component {

Component* Border::Factory::create(const util::xml::Element& /*element*/) {
    return new qt::Border;
}

namespace qt {

Border::Border() : layout_(new gui::qt::QBoxLayoutLimited(QBoxLayout::TopToBottom, this)) {}

void Border::SetFrameStyle(const std::string& style) {
    style_ = style;
    gui::qt::ApplyFrameStyle(*this, style);
}

void Border::LoadOwn(const util::xml::Element& element) {
    component::Border::LoadOwn(element);
    // A border without a style still shows a frame.
    SetFrameStyle(style_.empty() ? "normal" : style_);
    gui::qt::ApplyFrameSpacing(*layout_, *this);
}

} // namespace qt

} // namespace vex::gui::component
