#include "core/NodeTag.h"

namespace vex::orb::core {

util::xml::Element NodeTag::ToElement() const {
    util::xml::Element tag(util::xml::Element::Kind::Tag, kAttribute);
    tag.AddTextChild("name", instanceName);
    tag.AddTextChild("objectname", objectName);
    return tag;
}

std::string NodeTag::ToString() const {
    return ToElement().ToCompactString();
}

bool NodeTag::Parse(const std::string& text, NodeTag& out) {
    util::xml::Element tag;
    if (tag.Parse(text) != util::xml::kOk) return false;
    out.instanceName = tag.GetChildText("name");
    out.objectName = tag.GetChildText("objectname");
    return true;
}

std::string NodeTag::ListedName(const util::xml::Element& entry) {
    return entry.GetChild("name") ? entry.GetChildText("name") : entry.GetAttribute("name");
}

} // namespace vex::orb::core
