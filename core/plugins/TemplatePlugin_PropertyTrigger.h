#pragma once

#include "core/plugins/TemplatePlugin_Target.h"

#include <vector>

namespace vex::unidevice {
class Property;
}

namespace vex::orb::core::plugins {

/// A trigger that watches one of the template tool's own input channels and recomputes its targets
/// when the channel's value differs from the value it saw last (and once, forced, when a run begins).
class TemplatePlugin::PropertyTrigger {
public:
    /// The watched channel; null when the document names a position the tool has no channel at.
    unidevice::Property* channel = nullptr;
    double lastValue = 0.0;
    std::vector<Target> targets;
};

} // namespace vex::orb::core::plugins
