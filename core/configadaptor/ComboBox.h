#pragma once

#include "core/configadaptor/Node.h"

#include <vector>

namespace vex::orb::core::configadaptor::element {

/// A combo box choosing one of a list of entries; the tool's variable is the chosen index. It is
/// its own updater: the page hands it out as the CInterface::ComboUpdater of the item.
///
/// Profile form: <item id=".." type="text" label="..">the chosen entry</item>; loading chooses the
/// entry with that text (an unknown text changes nothing). Layout form: a row holding
/// <combobox id fixed="no" minheight="20" minwidth="120" [tooltip] defaultindex><item>entry</item>
/// ...</combobox>; defaultindex is the chosen index.
class ComboBox : public Node, public CInterface::ComboUpdater {
public:
    /// A combo box with parameter id `id` offering `items`, bound to the index `value`.
    ComboBox(int32_t id, std::string label, std::string tooltip, std::vector<std::string> items, int* value,
             CInterface::Callback* callback);

    void saveProfile(util::xml::Element& parent) const override;
    void loadProfile(const util::xml::Element& container) override;
    ProfileKind GetProfileKind() const override { return ProfileKind::kItem; }
    /// The chosen index.
    double getValue() const override;
    /// A user edit choosing the entry at `value` (rounded); an index out of range is ignored.
    void setValue(double value) override;
    /// Replaces the entries (the index is kept) and refreshes the widget.
    void update(const std::vector<std::string>& items) override;
    util::xml::Element buildLayout() const override;

    int* GetVariable() const { return value_; }
    const std::vector<std::string>& GetItems() const { return items_; }

private:
    std::vector<std::string> items_;
    int* value_;
};

} // namespace vex::orb::core::configadaptor::element
