#include "gui/component/qt/CheckBox.h"

namespace vex::gui::component {

Component* CheckBox::Factory::create(const util::xml::Element& /*element*/) {
    return new qt::CheckBox;
}

namespace qt {

namespace {

Qt::CheckState ToQt(componentinterface::CheckBox::State state) {
    using State = componentinterface::CheckBox::State;
    return state == State::kTrue           ? Qt::Checked
           : state == State::kUndetermined ? Qt::PartiallyChecked
                                           : Qt::Unchecked;
}

componentinterface::CheckBox::State FromQt(int state) {
    using State = componentinterface::CheckBox::State;
    return state == Qt::Checked            ? State::kTrue
           : state == Qt::PartiallyChecked ? State::kUndetermined
                                           : State::kFalse;
}

} // namespace

CheckBox::CheckBox() {
    QObject::connect(this, &QCheckBox::stateChanged, this,
                     [this](int state) { SendEvent(kStateChanged, static_cast<int>(FromQt(state))); });
}

void CheckBox::SetState(State state) {
    if (state == State::kUndetermined) setTristate(true);
    setCheckState(ToQt(state));
}

componentinterface::CheckBox::State CheckBox::GetState() const {
    return FromQt(checkState());
}

void CheckBox::LoadOwn(const util::xml::Element& element) {
    component::CheckBox::LoadOwn(element);
    setText(gui::qt::ToQString(label_));
    setTristate(tristate_);
    SetState(defaultState_);
}

} // namespace qt

} // namespace vex::gui::component
