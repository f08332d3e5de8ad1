#include "core/configadaptor/Group.h"

#include "util/xml/Tag.h"
#include "util/xml/Text.h"

#include <utility>

namespace vex::orb::core::configadaptor::element {

using util::xml::Element;

Group::Group(std::string label, std::string tooltip)
    : Node(kNoId, std::move(label), std::move(tooltip), nullptr) {}

void Group::saveProfile(Element& parent) const {
    util::xml::Tag group("group");
    group.SetAttributeInt("id", kNoId);
    group.SetAttribute("label", getLabel());
    for (const auto& child : GetChildren()) child->saveProfile(group);
    parent.AddChild(std::move(group));
}

void Group::loadProfile(const Element& container) {
    const Element* group = FindGroup(container);
    if (group == nullptr) return;
    for (const auto& child : GetChildren()) child->loadProfile(*group);
}

Element Group::buildLayout() const {
    // The inner list is the template's slot for the rows, addressed as id 1.
    util::xml::Tag inner("list");
    inner.SetAttributeInt("id", kRowsListId);
    inner.SetAttribute("type", "vertical");
    for (const auto& child : GetChildren()) inner.AddChild(child->buildLayout());

    util::xml::Tag border("border");
    border.SetAttribute("style", "none");
    border.SetAttribute("padding", "0 15 0 0");
    border.AddChild(std::move(inner));

    util::xml::Tag title("label");
    title.AddChild(util::xml::Text(getLabel()));
    util::xml::Tag list("list");
    list.AddChild(std::move(title));
    list.AddChild(std::move(border));

    util::xml::Tag group("group");
    group.SetAttribute("desiredwidth", "500");
    group.SetAttribute("minheight", "30");
    group.SetAttribute("minwidth", "30");
    group.SetAttribute("valign", "top");
    group.SetAttribute("padding", "5 0 0 0");
    if (!IsEnabled()) group.SetAttribute("enabled", "no");
    if (!GetTooltip().empty()) group.SetAttribute("tooltip", GetTooltip());
    group.AddChild(std::move(list));
    return group;
}

} // namespace vex::orb::core::configadaptor::element
