#pragma once

#include "host/scene/AttributeDefinition.h"

#include <optional>
#include <string>

namespace vex::host::builtins {

/// What addAttr declared of a dynamic attribute besides its kind: the names of an enum's values
/// ("idle:lift:swing") and the least and greatest values of a number, so that a scene file writes
/// them back. Each belongs to the attribute object it was declared for, as long as it lives.
class AttributeRanges {
public:
    /// An attribute's declared range.
    struct Range {
        std::string enumNames;
        std::optional<double> min;
        std::optional<double> max;
    };

    /// Records the range of `attribute` (an empty range forgets it).
    static void Set(const AttributePtr& attribute, Range range);
    /// The range recorded for `attribute`, or null.
    static const Range* Find(const AttributeDefinition& attribute);
};

} // namespace vex::host::builtins
