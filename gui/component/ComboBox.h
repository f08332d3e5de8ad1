#pragma once

#include "gui/StdComponent.h"
#include "gui/componentinterface/ComboBox.h"
#include "util/AbstractFactory.h"

#include <string>
#include <vector>

namespace vex::gui::component {

/// A `combobox`: `editable` "yes" gives it an edit field; `item` children are its entries;
/// `defaultindex` names the entry it opens on (absent or out of range: the toolkit's choice).
class ComboBox : public StdComponent, public componentinterface::ComboBox {
public:
    bool IsEditable() const { return editable_; }
    /// The entries the layout gave, in order.
    const std::vector<std::string>& GetLayoutItems() const { return layoutItems_; }
    /// The entry the layout opens the box on; -1 when it names none.
    int GetDefaultIndex() const { return defaultIndex_; }

    /// Makes combo boxs from `combobox` elements.
    class Factory : public util::AbstractFactory<Component>::Factory {
    public:
        std::string name() const override { return "combobox"; }
        Component* create(const util::xml::Element& element) override;
    };

protected:
    void LoadOwn(const util::xml::Element& element) override;
    bool LoadChild(const util::xml::Element& child) override;
    void Loaded() override;

    static constexpr int kNoDefault = -1;
    bool editable_ = false;
    int defaultIndex_ = kNoDefault;
    std::vector<std::string> layoutItems_;
};

} // namespace vex::gui::component
