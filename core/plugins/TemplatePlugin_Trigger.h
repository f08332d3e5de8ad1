#pragma once

#include "core/plugins/TemplatePlugin_Target.h"

#include <vector>

namespace vex::orb::core::plugins {

/// A trigger that recomputes its targets in every step, as long as the value it names (by id and
/// instance) can be found.
class TemplatePlugin::Trigger : public Parameter {
public:
    std::vector<Target> targets;
};

} // namespace vex::orb::core::plugins
