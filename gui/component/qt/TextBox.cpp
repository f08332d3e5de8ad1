#include "gui/component/qt/TextBox.h"

#include <QSignalBlocker>

namespace vex::gui::component {

Component* TextBox::Factory::create(const util::xml::Element& /*element*/) {
    return new qt::TextBox;
}

namespace qt {

TextBox::TextBox() {
    QObject::connect(this, &QLineEdit::editingFinished, this,
                     [this] { SendEvent(kEditingFinished, 0, std::make_unique<EventData>(GetText())); });
}

void TextBox::SetText(const std::string& text) {
    const QSignalBlocker blocker(this);
    setText(gui::qt::ToQString(text));
}

void TextBox::SetEditable(bool editable) {
    editable_ = editable;
    setReadOnly(!editable);
}

void TextBox::LoadOwn(const util::xml::Element& element) {
    component::TextBox::LoadOwn(element);
    SetText(defaultText_);
    SetEditable(editable_);
}

} // namespace qt

} // namespace vex::gui::component
