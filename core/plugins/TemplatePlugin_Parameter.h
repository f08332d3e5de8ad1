#pragma once

#include "core/plugins/TemplatePlugin.h"

#include <cstdint>
#include <string>

namespace vex::unidevice {
class Property;
}

namespace vex::orb::core::plugins {

/// A reference to one value: the configuration item `id` of a tool instance (the template tool's
/// own instance unless `external` names another), or, when `property` is set, the template tool's
/// own input channel at position `id`. Written as the attributes "id", "external" (only for another
/// instance) and "type" = "property".
class TemplatePlugin::Parameter {
public:
    /// The link of a parameter of the template tool's own instance.
    static constexpr int kOwnInstance = -1;

    /// Reads "id", "external" and "type" of `element`; false when "id" is missing or not a number.
    bool Read(const util::xml::Element& element);

    int32_t id = 0;
    std::string external;
    bool property = false;
    /// Resolved by the tool object: the input channel of a property source (null when there is no
    /// such channel), and the index of the instance link that names `external`.
    unidevice::Property* channel = nullptr;
    int link = kOwnInstance;
};

} // namespace vex::orb::core::plugins
