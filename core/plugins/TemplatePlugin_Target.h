#pragma once

#include "core/dedidavazi/DediDavazi.h"
#include "core/plugins/TemplatePlugin_Parameter.h"

#include <memory>
#include <vector>

namespace vex::orb::core::plugins {

/// A value a trigger writes: the expression `script` over the values of `sources` (parameter 0, 1,
/// ... in order) written into the value this parameter names. Without a script it writes nothing.
class TemplatePlugin::Target : public Parameter {
public:
    std::unique_ptr<DediDavazi> script;
    std::vector<Parameter> sources;
};

} // namespace vex::orb::core::plugins
