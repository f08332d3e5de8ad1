#pragma once

#include "gui/component/List.h"
#include "gui/qt/QBoxLayoutLimited.h"
#include "gui/qt/Widget.h"

#include <QWidget>

namespace vex::gui::component::qt {

/// A list as a plain widget with a QBoxLayoutLimited.
class List : public gui::qt::Widget<QWidget, component::List> {
public:
    List();
    /// The layout that places the children.
    gui::qt::QBoxLayoutLimited& GetLayout() { return *layout_; }
    void ChildAdded(Component& child) override;

protected:
    void LoadOwn(const util::xml::Element& element) override;

private:
    gui::qt::QBoxLayoutLimited* layout_;
};

} // namespace vex::gui::component::qt
