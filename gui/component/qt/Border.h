#pragma once

#include "gui/component/Border.h"
#include "gui/qt/QBoxLayoutLimited.h"
#include "gui/qt/Widget.h"

#include <QFrame>

namespace vex::gui::component::qt {

/// A border as a QFrame around a column.
class Border : public gui::qt::Widget<QFrame, component::Border> {
public:
    Border();
    void SetFrameStyle(const std::string& style) override;
    void ChildAdded(Component& child) override { gui::qt::AddToLayout(*layout_, child, *this); }

protected:
    void LoadOwn(const util::xml::Element& element) override;

private:
    gui::qt::QBoxLayoutLimited* layout_;
};

} // namespace vex::gui::component::qt
