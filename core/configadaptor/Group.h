#pragma once

#include "core/configadaptor/Node.h"

namespace vex::orb::core::configadaptor::element {

/// A titled group of items (and further groups) on a configuration page.
///
/// Layout form: <group desiredwidth="500" minheight="30" minwidth="30" valign="top"
/// padding="5 0 0 0" [enabled="no"]><list><label>title</label><border style="none"
/// padding="0 15 0 0"><list id="1" type="vertical"> children </list></border></list></group>.
class Group : public Node {
public:
    /// The id of the inner list that holds the children's rows.
    static constexpr int32_t kRowsListId = 1;

    /// A group titled `label` with help text `tooltip`.
    Group(std::string label, std::string tooltip);

    /// Appends "group" with "id" "-1" and "label", holding the children's elements.
    void saveProfile(util::xml::Element& parent) const override;
    /// Finds its "group" element in `container` and hands it to the children.
    void loadProfile(const util::xml::Element& container) override;
    ProfileKind GetProfileKind() const override { return ProfileKind::Group; }
    util::xml::Element buildLayout() const override;
};

} // namespace vex::orb::core::configadaptor::element
