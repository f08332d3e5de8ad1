#include "host/builtins/AttributeRanges.h"

#include <map>
#include <memory>
#include <utility>

namespace vex::host::builtins {

namespace {

// By attribute object: the weak pointer tells a live attribute from a later one at the same address.
std::map<const AttributeDefinition*, std::pair<std::weak_ptr<AttributeDefinition>, AttributeRanges::Range>>&
Table() {
    static std::map<const AttributeDefinition*,
                    std::pair<std::weak_ptr<AttributeDefinition>, AttributeRanges::Range>>
        table;
    return table;
}

} // namespace

void AttributeRanges::Set(const AttributePtr& attribute, Range range) {
    if (range.enumNames.empty() && !range.min && !range.max) {
        Table().erase(attribute.get());
        return;
    }
    Table()[attribute.get()] = {attribute, std::move(range)};
}

const AttributeRanges::Range* AttributeRanges::Find(const AttributeDefinition& attribute) {
    const auto found = Table().find(&attribute);
    if (found == Table().end() || found->second.first.lock().get() != &attribute) return nullptr;
    return &found->second.second;
}

} // namespace vex::host::builtins
