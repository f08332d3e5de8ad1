#include "host/scene/AttributeDefinition.h"

namespace vex::host {

AttributeDefinition::AttributeDefinition(std::string longName, std::string shortName, AttributeKind kind,
                                         Value defaultValue)
    : longName_(std::move(longName)), shortName_(std::move(shortName)), kind_(kind),
      default_(std::move(defaultValue)) {
    if (kind == AttributeKind::Message) storable = false;
}

std::shared_ptr<AttributeDefinition>
AttributeDefinition::makeDouble3(const std::string& longName, const std::string& shortName,
                                 const std::array<std::string, 3>& longSuffixes,
                                 const std::array<std::string, 3>& shortSuffixes, const Double3& defaults) {
    std::vector<std::shared_ptr<AttributeDefinition>> children;
    for (int i = 0; i < 3; ++i)
        children.push_back(std::make_shared<AttributeDefinition>(
            longName + longSuffixes[i], shortName + shortSuffixes[i], AttributeKind::Double, defaults[i]));
    return makeCompound(longName, shortName, std::move(children));
}

std::shared_ptr<AttributeDefinition>
AttributeDefinition::makeCompound(const std::string& longName, const std::string& shortName,
                                  std::vector<std::shared_ptr<AttributeDefinition>> children) {
    auto compound = std::make_shared<AttributeDefinition>(longName, shortName, AttributeKind::Double3);
    for (auto& child : children) child->parent_ = compound.get();
    compound->children_ = std::move(children);
    return compound;
}

Value AttributeDefinition::defaultValue() const {
    if (kind_ != AttributeKind::Double3) return default_;
    Double3 value{};
    for (std::size_t i = 0; i < children_.size() && i < 3; ++i)
        value[i] = toDouble(children_[i]->defaultValue());
    return value;
}

int AttributeDefinition::childIndex() const {
    if (!parent_) return -1;
    for (std::size_t i = 0; i < parent_->children_.size(); ++i)
        if (parent_->children_[i].get() == this) return static_cast<int>(i);
    return -1;
}

MFn::Type AttributeDefinition::apiType() const {
    switch (kind_) {
    case AttributeKind::Bool:
    case AttributeKind::Int:
    case AttributeKind::Double:
        return MFn::kNumericAttribute;
    case AttributeKind::Double3:
        return MFn::kCompoundAttribute;
    case AttributeKind::Matrix:
        return MFn::kMatrixAttribute;
    case AttributeKind::Message:
        return MFn::kMessageAttribute;
    default:
        return MFn::kTypedAttribute;
    }
}

bool AttributeDefinition::hasFn(MFn::Type type) const {
    // Matrix attributes are also typed attributes, and numeric triples are also numeric attributes.
    return Object::hasFn(type) || type == MFn::kAttribute ||
           (kind_ == AttributeKind::Matrix && type == MFn::kTypedAttribute) ||
           (kind_ == AttributeKind::Double3 && type == MFn::kNumericAttribute);
}

bool AttributeDefinition::accepts(const Value& value) const {
    switch (kind_) {
    case AttributeKind::Bool:
    case AttributeKind::Int:
    case AttributeKind::Double:
        return std::holds_alternative<bool>(value) || std::holds_alternative<int>(value) ||
               std::holds_alternative<double>(value);
    case AttributeKind::Double3:
        return std::holds_alternative<Double3>(value);
    case AttributeKind::String:
        return std::holds_alternative<std::string>(value);
    case AttributeKind::StringArray:
        return std::holds_alternative<StringList>(value);
    case AttributeKind::Matrix:
        return std::holds_alternative<Matrix>(value);
    case AttributeKind::Data:
        return std::holds_alternative<DataPtr>(value) || std::holds_alternative<std::monostate>(value);
    case AttributeKind::Message:
        return false;
    }
    return false;
}

Value AttributeDefinition::coerce(const Value& value) const {
    switch (kind_) {
    case AttributeKind::Bool:
        return toBool(value);
    case AttributeKind::Int:
        return toInt(value);
    case AttributeKind::Double:
        return toDouble(value);
    default:
        return value;
    }
}

} // namespace vex::host
