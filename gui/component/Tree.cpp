#include "gui/component/Tree.h"

#include "util/xml/Element.h"

namespace vex::gui::component {

Tree::Node* Tree::CreateNode(const std::string& name, int32_t id) const {
    auto* node = new Node(name, id);
    for (std::size_t flag = 0; flag < flagColumns_.size(); ++flag)
        node->SetFlag(flag, flagColumns_[flag].defaultState);
    return node;
}

Tree::FlagState Tree::ParseFlagState(std::string_view text) {
    if (text == "true") return FlagState::kTrue;
    if (text == "undetermined") return FlagState::kUndetermined;
    return FlagState::kFalse;
}

int64_t Tree::FlagEventValue(std::size_t flag, int32_t nodeId) {
    return static_cast<int64_t>((static_cast<uint64_t>(flag) << 32) | static_cast<uint32_t>(nodeId));
}

void Tree::LoadOwn(const util::xml::Element& element) {
    dragDrop_ = IsYes(element.GetAttribute("dragdrop"));
    rename_ = IsYes(element.GetAttribute("editable"));
}

bool Tree::LoadChild(const util::xml::Element& child) {
    if (child.GetName() != "flag") return false;
    FlagColumn column;
    column.label = child.GetAttribute("label");
    column.falseIcon = child.GetAttribute("falseicon");
    column.trueIcon = child.GetAttribute("trueicon");
    column.undeterminedIcon = child.GetAttribute("undeterminedicon");
    column.defaultState = ParseFlagState(child.GetAttribute("defaultstate"));
    flagColumns_.push_back(std::move(column));
    return true;
}

} // namespace vex::gui::component
