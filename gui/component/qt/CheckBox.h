#pragma once

#include "gui/component/CheckBox.h"
#include "gui/qt/Widget.h"

#include <QCheckBox>

namespace vex::gui::component::qt {

/// A check box as a QCheckBox.
class CheckBox : public gui::qt::Widget<QCheckBox, component::CheckBox> {
public:
    CheckBox();
    void SetState(State state) override;
    State GetState() const override;

protected:
    void LoadOwn(const util::xml::Element& element) override;
};

} // namespace vex::gui::component::qt
