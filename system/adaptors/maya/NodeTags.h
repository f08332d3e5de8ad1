#pragma once

#include "core/NodeTag.h"
#include "util/xml/Element.h"

#include <maya/MDagPath.h>
#include <maya/MObject.h>

#include <functional>
#include <string>
#include <vector>

namespace vex::orb::adaptor::maya {

/// The persistent identification of the system's scene nodes in Maya: a dynamic string attribute
/// "VXB_tag" holding the node's tag.
class NodeTags {
public:
    /// One tagged node found for a listing entry (an invalid path when none was).
    struct Match {
        MDagPath path;
        std::string objectName;
    };

    /// Writes (or rewrites) the tag of `node`, with the children of `masters` (the owner's
    /// "masternode" elements) after its names when given.
    static void Write(const MObject& node, const std::string& instanceName, const std::string& objectName,
                      const util::xml::Element* masters = nullptr);
    /// One match per "node" child of `listing` (its "name" child's text, or its "name" attribute),
    /// in order, among the DAG nodes whose tag names `instanceName` and that `taken` (when given)
    /// does not hold already: a model merged twice brings two sets under one name.
    static std::vector<Match> Find(const std::string& instanceName, const util::xml::Element& listing,
                                   const std::function<bool(const MDagPath&)>& taken = {});
    /// The "objectname" of a node's tag; empty when it has none.
    static std::string ObjectName(const MObject& node);
    /// The tag of `node`; false when it has none or it is no tag.
    static bool Read(const MObject& node, core::NodeTag& tag);
};

} // namespace vex::orb::adaptor::maya
