#include "system/adaptors/maya/NodeTags.h"

#include "util/xml/Text.h"

#include <maya/MFnData.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MItDependencyNodes.h>
#include <maya/MPlug.h>
#include <maya/MString.h>

namespace vex::orb::adaptor::maya {

namespace {

util::xml::Element TextChild(const std::string& name, const std::string& text) {
    util::xml::Element element(util::xml::Element::Kind::Tag, name);
    element.AddChild(util::xml::Text(text));
    return element;
}

std::string ChildText(const util::xml::Element& element, const std::string& name) {
    const util::xml::Element* child = element.GetChild(name);
    return child ? child->GetText() : std::string();
}

} // namespace

void NodeTags::Write(const MObject& node, const std::string& instanceName, const std::string& objectName) {
    MFnDependencyNode fn(node);
    if (!fn.hasAttribute(kAttribute)) {
        MFnTypedAttribute typed;
        fn.addAttribute(typed.create(kAttribute, kAttribute, MFnData::kString));
    }
    util::xml::Element tag(util::xml::Element::Kind::Tag, kAttribute);
    tag.AddChild(TextChild("name", instanceName));
    tag.AddChild(TextChild("objectname", objectName));
    fn.findPlug(kAttribute).setValue(MString(tag.ToString().c_str()));
}

bool NodeTags::Read(const MObject& node, util::xml::Element& tag) {
    MFnDependencyNode fn(node);
    if (!fn.hasAttribute(kAttribute)) return false;
    MString text;
    if (!fn.findPlug(kAttribute).getValue(text)) return false;
    return tag.Parse(text.asChar()) == util::xml::kOk;
}

std::string NodeTags::ObjectName(const MObject& node) {
    util::xml::Element tag;
    return Read(node, tag) ? ChildText(tag, "objectname") : std::string();
}

std::vector<NodeTags::Match> NodeTags::Find(const std::string& instanceName,
                                            const util::xml::Element& listing) {
    std::vector<Match> tagged;
    for (MItDependencyNodes it(MFn::kDagNode); !it.isDone(); it.next()) {
        util::xml::Element tag;
        if (!Read(it.thisNode(), tag) || ChildText(tag, "name") != instanceName) continue;
        Match match;
        MDagPath::getAPathTo(it.thisNode(), match.path);
        match.objectName = ChildText(tag, "objectname");
        tagged.push_back(match);
    }
    std::vector<Match> found;
    for (const util::xml::Element& entry : listing.GetChildren()) {
        if (!entry.IsTag() || entry.GetName() != "node") continue;
        const std::string objectName =
            entry.GetChild("name") ? ChildText(entry, "name") : entry.GetAttribute("name");
        Match match;
        match.objectName = objectName;
        for (const Match& candidate : tagged) {
            if (candidate.objectName == objectName) {
                match.path = candidate.path;
                break;
            }
        }
        found.push_back(match);
    }
    return found;
}

} // namespace vex::orb::adaptor::maya
