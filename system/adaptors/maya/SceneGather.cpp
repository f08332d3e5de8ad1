#include "system/adaptors/maya/SceneGather.h"

#include "core/CoreImplementation.h"
#include "core/CoreStartup.h"
#include "core/NodeTag.h"
#include "system/adaptors/maya/MayaAdaptorInterface.h"

#include <maya/MDagPath.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MItDependencyNodes.h>
#include <maya/MPlug.h>
#include <maya/MString.h>

#include <algorithm>
#include <charconv>
#include <map>

namespace vex::orb::adaptor::maya {
namespace {

using util::xml::Element;

// The message box flags of an error message with one "OK" button.
constexpr unsigned kOkButton = 0x0;
constexpr unsigned kErrorIcon = 0x10;

// One instance the tags describe (a state builder): its description and its place in the tree.
struct Record {
    Element description;
    std::string parent;
    int childIndex = 0;
};

int ChildIndex(const Element& master) {
    const std::string text = master.GetChildText("childindex");
    int index = 0;
    std::from_chars(text.data(), text.data() + text.size(), index);
    return index;
}

// Appends `name`'s record to `into` with the records below it nested inside, siblings in order.
void Nest(const std::string& name, std::map<std::string, std::vector<const Record*>>& children,
          const Record& record, Element& into) {
    Element description = record.description;
    auto below = children.find(name);
    if (below != children.end()) {
        for (const Record* child : below->second)
            Nest(child->description.GetChildText("name"), children, *child, description);
    }
    into.AddChild(description);
}

} // namespace

std::vector<SceneGather::Tagged> SceneGather::ReadTags() {
    std::vector<Tagged> tags;
    for (MItDependencyNodes it; !it.isDone(); it.next()) {
        MFnDependencyNode fn(it.thisNode());
        if (!fn.hasAttribute(core::NodeTag::kAttribute)) continue;
        MString text;
        if (!fn.findPlug(core::NodeTag::kAttribute).getValue(text)) continue;
        Tagged tagged{it.thisNode(), Element()};
        if (tagged.tag.Parse(text.asChar()) != util::xml::kOk) continue;
        tags.push_back(std::move(tagged));
    }
    return tags;
}

Element SceneGather::BuildState(const std::vector<Tagged>& tags) {
    std::vector<Record> records;
    for (const Tagged& tagged : tags) {
        for (const Element& master : tagged.tag.GetChildren()) {
            if (!master.IsTag() || master.GetName() != "masternode") continue;
            const Element* description = master.GetChild("VXB_Plugin");
            // A master kept in the older binary form is not read: its nodes stay unclaimed.
            if (description == nullptr || master.GetChildText("compressed") == "1") continue;
            records.push_back({*description, master.GetChildText("parent"), ChildIndex(master)});
        }
    }
    std::map<std::string, const Record*> byName;
    for (const Record& record : records) byName.emplace(record.description.GetChildText("name"), &record);
    std::map<std::string, std::vector<const Record*>> children;
    std::vector<const Record*> top;
    // A record goes below its parent when the parent's chain reaches the top; one whose chain comes
    // back to itself (tags edited by hand) stays at the top, so no instance is lost.
    const auto reachesTop = [&](const Record& record) {
        const Record* at = &record;
        for (size_t step = 0; step <= records.size(); ++step) {
            const auto parent = byName.find(at->parent);
            if (at->parent.empty() || parent == byName.end()) return true;
            at = parent->second;
            if (at == &record) return false;
        }
        return false;
    };
    for (const Record& record : records) {
        const bool nested = !record.parent.empty() && byName.count(record.parent) > 0 && reachesTop(record);
        (nested ? children[record.parent] : top).push_back(&record);
    }
    const auto byIndex = [](const Record* a, const Record* b) { return a->childIndex < b->childIndex; };
    std::stable_sort(top.begin(), top.end(), byIndex);
    for (auto& [parent, list] : children) std::stable_sort(list.begin(), list.end(), byIndex);

    Element state(Element::Kind::Tag, "VXB");
    for (const Record* record : top) Nest(record->description.GetChildText("name"), children, *record, state);
    return state;
}

void SceneGather::Gather(MayaAdaptorInterface& adaptor) {
    const std::vector<Tagged> tags = ReadTags();
    if (tags.empty()) return;
    core::CoreImplementation* running = core::FindCore();
    const Element state = BuildState(tags);
    if (running != nullptr && !state.GetChildren().empty()) running->CreateInstanceFromTemplate(state);

    std::string unclaimed;
    for (const Tagged& tagged : tags) {
        MDagPath path;
        const bool dag = MDagPath::getAPathTo(tagged.node, path);
        if (dag && adaptor.FindRegisteredNode(path) != nullptr) continue;
        unclaimed += std::string(MFnDependencyNode(tagged.node).name().asChar()) + "\n";
    }
    if (!unclaimed.empty() && running != nullptr)
        running->ShowMessage(nullptr, kTitle, kUnclaimed + unclaimed, kOkButton, kErrorIcon);
    for (const Tagged& tagged : tags) {
        MFnDependencyNode fn(tagged.node);
        fn.removeAttribute(fn.attribute(core::NodeTag::kAttribute));
    }
}

} // namespace vex::orb::adaptor::maya
