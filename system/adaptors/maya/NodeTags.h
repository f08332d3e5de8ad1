#pragma once

#include "util/xml/Element.h"

#include <maya/MDagPath.h>
#include <maya/MObject.h>

#include <string>
#include <vector>

namespace vex::orb::adaptor::maya {

/// The persistent identification of the system's scene nodes: a string attribute "VXB_tag" holding
/// XML with the instance's name ("name") and the node's name within the instance ("objectname").
class NodeTags {
public:
    /// The attribute's name.
    static constexpr const char* kAttribute = "VXB_tag";

    /// One tagged node found for a listing entry (an invalid path when none was).
    struct Match {
        MDagPath path;
        std::string objectName;
    };

    /// Writes (or rewrites) the tag of `node`.
    static void Write(const MObject& node, const std::string& instanceName, const std::string& objectName);
    /// One match per "node" child of `listing` (its "name" child's text, or its "name" attribute),
    /// in order, among the DAG nodes whose tag names `instanceName`.
    static std::vector<Match> Find(const std::string& instanceName, const util::xml::Element& listing);
    /// The "objectname" of a node's tag; empty when it has none.
    static std::string ObjectName(const MObject& node);
    /// The tag of `node` parsed into `tag`; false when it has none or it is no XML.
    static bool Read(const MObject& node, util::xml::Element& tag);
};

} // namespace vex::orb::adaptor::maya
