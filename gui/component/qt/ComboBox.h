#pragma once

#include "gui/component/ComboBox.h"
#include "gui/qt/Widget.h"

#include <QComboBox>

namespace vex::gui::component::qt {

/// A combo box as a QComboBox.
class ComboBox : public gui::qt::Widget<QComboBox, component::ComboBox> {
public:
    ComboBox();
    void AddItem(const std::string& text) override { addItem(gui::qt::ToQString(text)); }
    void Clear() override { clear(); }
    int GetCount() const override { return count(); }
    std::string GetItem(int index) const override { return gui::qt::ToStd(itemText(index)); }
    void SetCurrentIndex(int index) override { setCurrentIndex(index); }
    int GetCurrentIndex() const override { return currentIndex(); }
    std::string GetText() const override { return gui::qt::ToStd(currentText()); }

protected:
    void LoadOwn(const util::xml::Element& element) override;
};

} // namespace vex::gui::component::qt
