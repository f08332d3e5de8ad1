#include "gui/component/qt/ComboBox.h"

namespace vex::gui::component {

Component* ComboBox::Factory::create(const util::xml::Element& /*element*/) {
    return new qt::ComboBox;
}

namespace qt {

ComboBox::ComboBox() {
    QObject::connect(this, &QComboBox::currentIndexChanged, this,
                     [this](int index) { SendEvent(kIndexChanged, index); });
    QObject::connect(this, &QComboBox::editTextChanged, this, [this](const QString& text) {
        SendEvent(kEditTextChanged, 0, std::make_unique<EventData>(gui::qt::ToStd(text)));
    });
    QObject::connect(this, &QComboBox::activated, this, [this](int index) { SendEvent(kActivated, index); });
}

void ComboBox::LoadOwn(const util::xml::Element& element) {
    component::ComboBox::LoadOwn(element);
    setEditable(editable_);
}

} // namespace qt

} // namespace vex::gui::component
