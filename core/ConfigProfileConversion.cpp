#include "core/ConfigProfileConversion.h"

#include "util/xml/Data.h"
#include "util/xml/Tag.h"

namespace vex::orb::core {

namespace {

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

util::xml::Element Item(const util::xml::Element& parameter, const std::string& value) {
    util::xml::Tag item("item");
    item.SetAttribute("id", "-1");
    item.SetAttribute("label", parameter.GetAttribute("label", parameter.GetAttribute("name")));
    if (!value.empty()) item.AddChild(util::xml::Data(value));
    return item;
}

// Appends the current form of the older group content `from` (groups nest) to `to`.
void ConvertContent(const util::xml::Element& from, util::xml::Element& to) {
    for (const util::xml::Element& child : from.GetChildren()) {
        if (!child.IsTag()) continue;
        if (child.GetName() == "group") {
            util::xml::Tag group("group");
            group.SetAttribute("id", "-1");
            group.SetAttribute("label", child.GetAttribute("name", child.GetAttribute("label")));
            ConvertContent(child, group);
            to.AddChild(std::move(group));
        } else if (child.GetName() == "spinner") {
            to.AddChild(Item(child, Trimmed(child.GetText())));
        } else if (child.GetName() == "check") {
            const std::string state = Trimmed(child.GetText());
            to.AddChild(Item(child, state == "true" || state == "1" ? "1" : "0"));
        }
    }
}

} // namespace

bool IsOlderConfigForm(std::string_view rootName) {
    return rootName == "ConfigProfile" || rootName == "orb_config" || rootName == "CameraConfig";
}

util::xml::Element ConvertOlderConfigForm(const util::xml::Element& root) {
    util::xml::Tag container("configprofiles");
    container.SetAttribute("version", "2.0");
    for (const util::xml::Element& old : root.GetChildren()) {
        if (!old.IsTag() || old.GetName() != "profile") continue;
        util::xml::Tag profile("configprofile");
        profile.SetAttribute("version", "2.0");
        profile.SetAttribute("name", old.GetAttribute("name"));
        profile.SetAttribute("converted", "1");
        ConvertContent(old, profile);
        container.AddChild(std::move(profile));
    }
    return container;
}

} // namespace vex::orb::core
