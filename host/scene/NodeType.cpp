#include "host/scene/NodeType.h"

#include <algorithm>

namespace vex::host {

NodeType::NodeType(std::string name, std::uint32_t typeId, MFn::Type apiType,
                   std::shared_ptr<const NodeType> parent)
    : name_(std::move(name)), typeId_(typeId), apiType_(apiType), parent_(std::move(parent)),
      nameStem_(name_) {
    if (parent_) {
        attributes_ = parent_->attributes_;
        byName_ = parent_->byName_;
        owned_ = parent_->owned_;
        geometryAttribute_ = parent_->geometryAttribute_;
    }
}

bool NodeType::HasFn(MFn::Type type) const {
    if (type == apiType_ || type == MFn::kBase) return true;
    if (std::find(extraFns_.begin(), extraFns_.end(), type) != extraFns_.end()) return true;
    return parent_ && parent_->HasFn(type);
}

bool NodeType::NameInUse(const AttributeDefinition& attribute) const {
    if (byName_.count(attribute.LongName()) || byName_.count(attribute.ShortName())) return true;
    return std::any_of(attribute.Children().begin(), attribute.Children().end(),
                       [this](const AttributePtr& child) { return NameInUse(*child); });
}

void NodeType::index(const AttributePtr& attribute) {
    byName_[attribute->LongName()] = attribute;
    byName_[attribute->ShortName()] = attribute;
    owned_.insert(attribute.get());
    for (const auto& child : attribute->Children()) index(child);
}

bool NodeType::AddAttribute(const AttributePtr& attribute) {
    if (!attribute || attribute->parent() || NameInUse(*attribute)) return false;
    attributes_.push_back(attribute);
    index(attribute);
    return true;
}

AttributePtr NodeType::FindAttribute(const std::string& name) const {
    auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

bool NodeType::RunCompute(const Scene& scene, const Node& node, const AttributeDefinition& attribute,
                          double time, Value& out) const {
    for (const NodeType* type = this; type; type = type->parent_.get())
        if (type->compute_ && type->compute_(scene, node, attribute, time, out)) return true;
    return false;
}

} // namespace vex::host
