#pragma once

#include "gui/component/Group.h"
#include "gui/qt/QBoxLayoutLimited.h"
#include "gui/qt/Widget.h"

#include <QGroupBox>

namespace vex::gui::component::qt {

/// A group as a QGroupBox around a column.
class Group : public gui::qt::Widget<QGroupBox, component::Group> {
public:
    Group();
    void SetTitle(const std::string& title) override { setTitle(gui::qt::ToQString(title)); }
    std::string GetTitle() const override { return gui::qt::ToStd(title()); }
    void ChildAdded(Component& child) override { gui::qt::AddToLayout(*layout_, child, *this); }

protected:
    void LoadOwn(const util::xml::Element& element) override;

private:
    gui::qt::QBoxLayoutLimited* layout_;
};

} // namespace vex::gui::component::qt
