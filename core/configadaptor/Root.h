#pragma once

#include "core/configadaptor/Node.h"

namespace vex::orb::core::configadaptor::element {

/// The top of a configuration page, holding its groups (and items placed at the top of the page).
/// A root appended below another root (a page opened a second time) is transparent: its children
/// take part in the profile and the layout as if they were the outer root's own.
///
/// Layout form: <scroll><list type="vertical"> one element per child </list></scroll>.
class Root : public Node {
public:
    Root();

    using Node::saveProfile;
    /// The page's profile: "configprofile" with "version" "2.0" holding the children's elements
    /// (the profile manager adds the "name").
    util::xml::Element saveProfile() const;
    /// Appends the children's elements to `parent`.
    void saveProfile(util::xml::Element& parent) const override;
    /// At the top of a page: accepts only a "configprofile" of version "2.0" and hands it to the
    /// children; below another root: hands `container` on unchanged.
    void loadProfile(const util::xml::Element& container) override;
    /// Loads one "profile" element of the older "CameraConfig" form, whose parameters are found by
    /// their labels.
    void LoadOlderProfile(const util::xml::Element& profile);
    ProfileKind GetProfileKind() const override { return ProfileKind::kTransparent; }
    /// At the top of a page the scroll form; below another root the bare vertical list.
    util::xml::Element buildLayout() const override;
    /// The value of the parameter with id `id` (see Node::getValue); 0 when there is none.
    double getValue(int32_t id);
    /// A user edit of the parameter with id `id`; false when there is none.
    bool setValue(int32_t id, double value);
    using Node::getValue;
    using Node::setValue;
};

} // namespace vex::orb::core::configadaptor::element
