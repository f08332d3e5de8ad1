#include "host/builtins/AttributeLimits.h"

namespace vex::host::builtins {

AttributeLimits& AttributeLimits::get() {
    static AttributeLimits table;
    return table;
}

void AttributeLimits::Set(const AttributePtr& attribute, Limits limits) {
    // Descriptions that are gone free their addresses for new ones: forget them first.
    std::erase_if(limits_, [](const auto& entry) { return entry.second.first.expired(); });
    limits_[attribute.get()] = {attribute, std::move(limits)};
}

AttributeLimits::Limits AttributeLimits::Of(const AttributeDefinition& attribute) const {
    const auto found = limits_.find(&attribute);
    if (found == limits_.end() || found->second.first.expired()) return {};
    return found->second.second;
}

} // namespace vex::host::builtins
