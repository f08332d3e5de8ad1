#include "gui/component/qt/Label.h"

namespace vex::gui::component {

Component* Label::Factory::create(const util::xml::Element& /*element*/) {
    return new qt::Label;
}

namespace qt {

void Label::SetText(const std::string& text) {
    setText(gui::qt::ToQString(text));
}

std::string Label::GetText() const {
    return gui::qt::ToStd(text());
}

void Label::LoadOwn(const util::xml::Element& element) {
    component::Label::LoadOwn(element);
    setTextFormat(Qt::AutoText);
    setText(gui::qt::ToQString(initialText_));
    if (const Qt::Alignment alignment = gui::qt::ToQtAlignment(hAlign_, vAlign_)) setAlignment(alignment);
    setWordWrap(wrap_);
    Qt::TextInteractionFlags interaction = Qt::NoTextInteraction;
    if (selectable_) interaction |= Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard;
    if (hyperlinks_) interaction |= Qt::LinksAccessibleByMouse;
    setTextInteractionFlags(interaction);
    setOpenExternalLinks(hyperlinks_);
    gui::qt::ApplyFrameStyle(*this, style_);
}

void Label::ShowImage(const std::string& image) {
    if (image.empty()) {
        if (!pixmap().isNull()) setText(gui::qt::ToQString(initialText_));
        return;
    }
    setPixmap(QPixmap(gui::qt::ToQString(image)));
}

} // namespace qt

} // namespace vex::gui::component
