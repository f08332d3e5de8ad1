#include "host/scene/AttributeDefinition.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace vex::host {

AttributeDefinition::AttributeDefinition(std::string longName, std::string shortName, AttributeKind kind,
                                         Value defaultValue)
    : longName_(std::move(longName)), shortName_(std::move(shortName)), kind_(kind),
      default_(std::move(defaultValue)) {
    if (kind == AttributeKind::Message) storable = false;
}

std::shared_ptr<AttributeDefinition>
AttributeDefinition::MakeDouble3(const std::string& longName, const std::string& shortName,
                                 const std::array<std::string, 3>& longSuffixes,
                                 const std::array<std::string, 3>& shortSuffixes, const Double3& defaults) {
    std::vector<std::shared_ptr<AttributeDefinition>> children;
    for (int i = 0; i < 3; ++i)
        children.push_back(std::make_shared<AttributeDefinition>(
            longName + longSuffixes[i], shortName + shortSuffixes[i], AttributeKind::kDouble, defaults[i]));
    return MakeCompound(longName, shortName, std::move(children));
}

std::shared_ptr<AttributeDefinition>
AttributeDefinition::MakeCompound(const std::string& longName, const std::string& shortName,
                                  std::vector<std::shared_ptr<AttributeDefinition>> children) {
    auto compound = std::make_shared<AttributeDefinition>(longName, shortName, AttributeKind::kDouble3);
    for (auto& child : children) child->parent_ = compound.get();
    compound->children_ = std::move(children);
    return compound;
}

Value AttributeDefinition::DefaultValue() const {
    if (kind_ != AttributeKind::kDouble3) return default_;
    Double3 value{};
    for (std::size_t i = 0; i < children_.size() && i < 3; ++i)
        value[i] = ToDouble(children_[i]->DefaultValue());
    return value;
}

int AttributeDefinition::ChildIndex() const {
    if (!parent_) return -1;
    for (std::size_t i = 0; i < parent_->children_.size(); ++i)
        if (parent_->children_[i].get() == this) return static_cast<int>(i);
    return -1;
}

void AttributeDefinition::AddChild(const std::shared_ptr<AttributeDefinition>& child) {
    child->parent_ = this;
    children_.push_back(child);
}

MFn::Type AttributeDefinition::ApiType() const {
    if (specialType != MFn::kInvalid) return specialType;
    switch (kind_) {
    case AttributeKind::kBool:
    case AttributeKind::kInt:
    case AttributeKind::kDouble:
        return MFn::kNumericAttribute;
    case AttributeKind::kDouble3:
        return MFn::kCompoundAttribute;
    case AttributeKind::Matrix:
        return MFn::kMatrixAttribute;
    case AttributeKind::Message:
        return MFn::kMessageAttribute;
    default:
        return MFn::kTypedAttribute;
    }
}

bool AttributeDefinition::HasFn(MFn::Type type) const {
    // Matrix attributes are also typed attributes, and numeric triples are also numeric attributes.
    const bool unit = specialType == MFn::kDoubleAngleAttribute ||
                      specialType == MFn::kDoubleLinearAttribute || specialType == MFn::kTimeAttribute;
    return Object::HasFn(type) || type == MFn::kAttribute || (unit && type == MFn::kUnitAttribute) ||
           (kind_ == AttributeKind::Matrix && type == MFn::kTypedAttribute) ||
           (kind_ == AttributeKind::kDouble3 && type == MFn::kNumericAttribute);
}

bool AttributeDefinition::Accepts(const Value& value) const {
    switch (kind_) {
    case AttributeKind::kBool:
    case AttributeKind::kInt:
    case AttributeKind::kDouble:
        return std::holds_alternative<bool>(value) || std::holds_alternative<int>(value) ||
               std::holds_alternative<double>(value);
    case AttributeKind::kDouble3:
        return std::holds_alternative<Double3>(value);
    case AttributeKind::kString:
        return std::holds_alternative<std::string>(value);
    case AttributeKind::kStringArray:
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

Value AttributeDefinition::Coerce(const Value& value) const {
    switch (kind_) {
    case AttributeKind::kBool:
        return ToBool(value);
    case AttributeKind::kInt:
        return ToInt(value);
    case AttributeKind::kDouble:
        return ToDouble(value);
    default:
        return value;
    }
}

std::string AttributeDefinition::EnumText() const {
    std::string text;
    int next = 0;
    for (const auto& [name, value] : fields) {
        if (!text.empty()) text += ':';
        text += name;
        if (value != next) text += '=' + std::to_string(value);
        next = value + 1;
    }
    return text;
}

bool AttributeDefinition::SetEnumText(const std::string& text) {
    std::vector<std::pair<std::string, int>> read;
    int next = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(':', start), text.size());
        const std::string_view item(text.data() + start, end - start);
        const std::size_t equals = item.find('=');
        const std::string_view name = item.substr(0, equals);
        if (name.empty()) return false;
        int value = next;
        if (equals != std::string_view::npos) {
            const std::string_view digits = item.substr(equals + 1);
            const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
            if (ec != std::errc() || ptr != digits.data() + digits.size() || digits.empty()) return false;
        }
        read.emplace_back(std::string(name), value);
        next = value + 1;
        start = end + 1;
    }
    fields = std::move(read);
    return true;
}

} // namespace vex::host
