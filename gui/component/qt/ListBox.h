#pragma once

#include "gui/component/ListBox.h"
#include "gui/qt/Widget.h"

#include <QListWidget>

namespace vex::gui::component::qt {

/// A list box as a QListWidget; it follows the pointer so that it can report the entry under it.
class ListBox : public gui::qt::Widget<QListWidget, component::ListBox> {
public:
    ListBox();
    void AddItem(const std::string& text) override { addItem(gui::qt::ToQString(text)); }
    void AddItem(const std::string& text, const std::string& icon) override;
    void Clear() override { clear(); }
    int GetCount() const override { return count(); }
    std::string GetItem(int index) const override;
    void SetCurrentIndex(int index) override { setCurrentRow(index); }
    int GetCurrentIndex() const override { return currentRow(); }
};

} // namespace vex::gui::component::qt
