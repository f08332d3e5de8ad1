#pragma once

#include "core/dedidavazi/DediDavazi.h"
#include "core/plugins/TemplatePlugin_Parameter.h"
#include "unidevice/Property.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vex::orb::core::plugins {

/// A virtual control a template tool offers other tools: in every step its value is its expression
/// over its sources (the tool's input channels and its own configuration items). Other tools bind
/// their input channels to it as to any device control.
class TemplatePlugin::Control : public unidevice::Property {
public:
    /// A control named `name` of the kinds `kinds`, with the index the document gives it.
    Control(std::string name, uint32_t kinds, int32_t index)
        : Property(std::move(name), kinds), index(index) {}

    /// The current value.
    double getValue() const override { return current; }
    /// `value` becomes current; the current one becomes the previous.
    void Push(double value) {
        previous = current;
        current = value;
    }

    int32_t index;
    std::unique_ptr<DediDavazi> script;
    std::vector<Parameter> sources;
    double current = 0.0;
    double previous = 0.0;
};

} // namespace vex::orb::core::plugins
