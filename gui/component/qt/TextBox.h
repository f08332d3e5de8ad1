#pragma once

#include "gui/component/TextBox.h"
#include "gui/qt/Widget.h"

#include <QLineEdit>

namespace vex::gui::component::qt {

/// A text box as a QLineEdit.
class TextBox : public gui::qt::Widget<QLineEdit, component::TextBox> {
public:
    TextBox();
    void SetText(const std::string& text) override;
    std::string GetText() const override { return gui::qt::ToStd(text()); }
    void SetEditable(bool editable) override;
    bool IsEditable() const override { return editable_; }

protected:
    void LoadOwn(const util::xml::Element& element) override;
};

} // namespace vex::gui::component::qt
