#include "system/adaptors/maya/NodeTags.h"

#include <maya/MFnData.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MItDependencyNodes.h>
#include <maya/MPlug.h>
#include <maya/MString.h>

namespace vex::orb::adaptor::maya {

using core::NodeTag;

void NodeTags::Write(const MObject& node, const std::string& instanceName, const std::string& objectName,
                     const util::xml::Element* masters) {
    util::xml::Element tag = NodeTag{instanceName, objectName}.ToElement();
    if (masters != nullptr)
        for (const util::xml::Element& master : masters->GetChildren()) tag.AddChild(master);
    MFnDependencyNode fn(node);
    if (!fn.hasAttribute(NodeTag::kAttribute)) {
        MFnTypedAttribute typed;
        fn.addAttribute(typed.create(NodeTag::kAttribute, NodeTag::kAttribute, MFnData::kString));
    }
    fn.findPlug(NodeTag::kAttribute).setValue(MString(tag.ToCompactString().c_str()));
}

bool NodeTags::Read(const MObject& node, NodeTag& tag) {
    MFnDependencyNode fn(node);
    if (!fn.hasAttribute(NodeTag::kAttribute)) return false;
    MString text;
    if (!fn.findPlug(NodeTag::kAttribute).getValue(text)) return false;
    return NodeTag::Parse(text.asChar(), tag);
}

std::string NodeTags::ObjectName(const MObject& node) {
    NodeTag tag;
    return Read(node, tag) ? tag.objectName : std::string();
}

std::vector<NodeTags::Match> NodeTags::Find(const std::string& instanceName,
                                            const util::xml::Element& listing,
                                            const std::function<bool(const MDagPath&)>& taken) {
    std::vector<Match> tagged;
    for (MItDependencyNodes it(MFn::kDagNode); !it.isDone(); it.next()) {
        NodeTag tag;
        if (!Read(it.thisNode(), tag) || tag.instanceName != instanceName) continue;
        Match match;
        MDagPath::getAPathTo(it.thisNode(), match.path);
        if (taken && taken(match.path)) continue;
        match.objectName = tag.objectName;
        tagged.push_back(match);
    }
    std::vector<Match> found;
    for (const util::xml::Element& entry : listing.GetChildren()) {
        if (!entry.IsTag() || entry.GetName() != "node") continue;
        Match match;
        match.objectName = NodeTag::ListedName(entry);
        for (const Match& candidate : tagged) {
            if (candidate.objectName == match.objectName) {
                match.path = candidate.path;
                break;
            }
        }
        found.push_back(match);
    }
    return found;
}

} // namespace vex::orb::adaptor::maya
