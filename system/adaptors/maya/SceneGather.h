#pragma once

#include "util/xml/Element.h"

#include <maya/MObject.h>

#include <string>
#include <vector>

namespace vex::orb::adaptor::maya {

class MayaAdaptorInterface;

/// Gathering the tagged nodes of a scene just opened (or imported or referenced) back to the
/// instances that own them: the tags' master descriptions make the instances again, which take
/// their nodes over by the tags; what no instance claims is reported, and every tag is removed (tags
/// live in the file, not in the live scene).
class SceneGather {
public:
    static constexpr const char* kTitle = "Gather error";
    static constexpr const char* kUnclaimed =
        "Some nodes were found belonging to Torva Suite, but they were never claimed. \n The following "
        "nodes were left out:\n\n";

    /// One tagged scene node: the node and its parsed "VXB_tag" element.
    struct Tagged {
        MObject node;
        util::xml::Element tag;
    };

    /// Runs the whole gather on the open scene through `adaptor` and the running core.
    static void Gather(MayaAdaptorInterface& adaptor);

    /// The "VXB" element that the tags describe: one "VXB_Plugin" per instance whose first node
    /// carries its "masternode", a child instance nested in its parent's element, siblings in the
    /// order of their "childindex".
    static util::xml::Element BuildState(const std::vector<Tagged>& tags);

    /// The scene's tagged nodes, in scene order (tags that are no XML are left out).
    static std::vector<Tagged> ReadTags();
};

} // namespace vex::orb::adaptor::maya
