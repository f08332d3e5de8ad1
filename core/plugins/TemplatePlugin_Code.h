#pragma once

#include "core/InstanceWatch.h"
#include "core/configadaptor/TemplateConfig.h"
#include "core/plugins/TemplatePlugin.h"
#include "core/plugins/TemplatePlugin_Control.h"
#include "core/plugins/TemplatePlugin_PropertyTrigger.h"
#include "core/plugins/TemplatePlugin_Trigger.h"
#include "interface/CCamera.h"
#include "unidevice/PropertyFactory.h"

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vex::orb::core {
class Instance;
}

namespace vex::orb::core::plugins {

/// The tool object of a scripted tool, built from its plug-in's template document:
/// - "input": one input channel per "property" (its "name" and kind flags), in order; an optional
///   "deadzone" (0 up to 1) replaces the channel's starting dead zone, so that measured values
///   reach the script unshaped;
/// - "configuration": the parameters of its configuration page (TemplateConfig);
/// - "virtualdevice": one virtual control per "control", whose value in every step is its "script"
///   over its "parameters" (input channels by name, configuration items by id);
/// - "logic", loaded once the instance is complete: triggers whose targets write expressions of
///   values of this and other instances into values by id.
///
/// A run's begin computes every target once; then each step runs the property triggers whose channel
/// changed, then every other trigger, then the controls. Another instance named by a value must be
/// in the scene with its record box on when the run begins; otherwise its values read 0 and it takes
/// no writes. Undoing a take brings back the values its scripts wrote as they were before it. A
/// part of the document that cannot be used is left out with a line in the log naming
/// the template, its file and the element; the rest of the tool works.
///
/// Controls take what the tool published in the step before, so tools that feed each other in a
/// circle see each other's values one step late: each value is computed once per step, never in a
/// loop.
class TemplatePlugin::Code : public CCamera {
public:
    /// A tool object of `plugin`'s template.
    Code(const CreateParam& param, const TemplatePlugin& plugin);
    ~Code() override;

    /// Declares the input channels, the configuration page and the virtual controls.
    int buildConfiguration() override;
    /// Finds the instances the logic names, runs every trigger once and publishes the controls.
    void begin(double t) override;
    /// Runs the triggers and publishes the controls.
    void step(double t) override;

    /// 40: publish the control `data`; 42: load the logic; 44: write the template document.
    int extension(int id, void* data) override;
    /// 40, 42 and 44.
    std::vector<int32_t> getExtensionIds() const override;

    /// Whether the document asks for build mode.
    bool IsBuildMode() const { return buildMode_; }
    /// The virtual controls in document order.
    const std::vector<std::unique_ptr<Control>>& GetControls() const { return controls_; }
    /// The triggers that loaded, property triggers first.
    const std::vector<PropertyTrigger>& GetPropertyTriggers() const { return propertyTriggers_; }
    const std::vector<Trigger>& GetTriggers() const { return triggers_; }
    /// The configuration parameters.
    const configadaptor::TemplateConfig& GetConfig() const { return config_; }

private:
    // Another instance a value names, found when a run begins and forgotten when it goes.
    struct InstanceLink {
        explicit InstanceLink(std::string name);
        std::string name;
        std::string where; // the element that named it first, for messages
        Instance* instance = nullptr;
        InstanceWatch watch;
    };

    // A line in the log about the element at `where`.
    void Report(const std::string& where, const std::string& text) const;
    void DeclareChannels();
    void DeclareControls();
    void LoadLogic();
    bool LoadTarget(const util::xml::Element& element, const std::string& where, Target& target);
    // The channel at `position`, or null with a report.
    unidevice::Property* ChannelAt(int32_t position, const std::string& where) const;
    // The expression in `script`'s first child element; null (with a report) when it has none or
    // names an operation without a factory.
    std::unique_ptr<DediDavazi> LoadScript(const util::xml::Element* script, const std::string& where) const;
    // Gives `parameter` its instance link when it names another instance.
    void Link(Parameter& parameter, const std::string& where);
    void ResolveLinks();
    void RunTriggers(bool forced);
    void RunTargets(std::vector<Target>& targets);
    void Publish(Control& control);
    void PublishAll();
    Instance* OwnerOf(const Parameter& parameter) const;
    void Write(Instance& owner, int32_t id, double value);
    double Read(const Parameter& parameter) const;

    util::xml::Element document_;
    std::string source_;
    bool buildMode_ = false;
    Instance* instance_ = nullptr;
    unidevice::PropertyFactory channelFactory_;
    std::vector<unidevice::Property*> channels_;
    configadaptor::TemplateConfig config_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<PropertyTrigger> propertyTriggers_;
    std::vector<Trigger> triggers_;
    std::vector<std::unique_ptr<InstanceLink>> links_;
    std::vector<std::pair<Instance*, int32_t>> written_; // the values written since the run began
};

} // namespace vex::orb::core::plugins
