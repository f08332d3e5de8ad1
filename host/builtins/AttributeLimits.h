#pragma once

#include "host/scene/AttributeDefinition.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace vex::host::builtins {

/// The range and enum names addAttr gave a dynamic attribute, for attributeQuery to answer. They stay
/// with the attribute's description, which undo keeps alive with the node.
class AttributeLimits {
public:
    /// What addAttr was given: -min, -max and -en ("a:b:c" or "a=1:b=5").
    struct Limits {
        std::optional<double> minimum;
        std::optional<double> maximum;
        std::string enumNames;
    };

    /// The one table of the process.
    static AttributeLimits& get();

    /// Records the limits of an attribute.
    void Set(const AttributePtr& attribute, Limits limits);
    /// The limits of an attribute (none recorded: no range and no enum names).
    Limits Of(const AttributeDefinition& attribute) const;

private:
    AttributeLimits() = default;

    std::map<const AttributeDefinition*, std::pair<std::weak_ptr<AttributeDefinition>, Limits>> limits_;
};

} // namespace vex::host::builtins
