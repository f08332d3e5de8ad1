#pragma once

#include "util/xml/Element.h"

#include <string>

namespace vex::orb::core {

/// The persistent identification a host keeps on a tool's scene node (the "VXB_tag" attribute): the
/// instance's name and the node's name within the instance, as XML.
struct NodeTag {
    /// The attribute hosts keep it in.
    static constexpr const char* kAttribute = "VXB_tag";

    std::string instanceName;
    std::string objectName;

    /// The tag's element: "VXB_tag" with "name" and "objectname".
    util::xml::Element ToElement() const;
    /// The tag's XML text, on one line.
    std::string ToString() const;
    /// Reads a tag's XML text; false when it is no tag.
    static bool Parse(const std::string& text, NodeTag& out);
    /// The node name of a "node" entry of an instance's node listing: its "name" child's text, or
    /// its "name" attribute.
    static std::string ListedName(const util::xml::Element& entry);
};

} // namespace vex::orb::core
