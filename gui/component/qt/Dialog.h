#pragma once

#include "gui/component/Dialog.h"
#include "gui/qt/QBoxLayoutLimited.h"
#include "gui/qt/Widget.h"

#include <QDialog>

namespace vex::gui::component::qt {

/// A dialog as a QDialog whose content lies in a column.
class Dialog : public gui::qt::Widget<QDialog, component::Dialog> {
public:
    Dialog();
    void Open() override;
    void Close(int result) override { done(result); }
    void SetTitle(const std::string& title) override { setWindowTitle(gui::qt::ToQString(title)); }
    void ChildAdded(Component& child) override { gui::qt::AddToLayout(*layout_, child, *this); }

protected:
    void LoadOwn(const util::xml::Element& element) override;
    void Loaded() override;
    void RefreshImages() override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    gui::qt::QBoxLayoutLimited* layout_;
};

} // namespace vex::gui::component::qt
