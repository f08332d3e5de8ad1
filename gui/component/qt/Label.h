#pragma once

#include "gui/component/Label.h"
#include "gui/qt/Widget.h"

#include <QLabel>

namespace vex::gui::component::qt {

/// A label as a QLabel.
class Label : public gui::qt::Widget<QLabel, component::Label> {
public:
    void SetText(const std::string& text) override;
    std::string GetText() const override;

protected:
    void LoadOwn(const util::xml::Element& element) override;
    void ShowImage(const std::string& image) override;
};

} // namespace vex::gui::component::qt
