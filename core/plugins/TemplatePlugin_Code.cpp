#include "core/plugins/TemplatePlugin_Code.h"

#include "core/CoreImplementation.h"
#include "core/CoreStartup.h"
#include "core/Instance.h"

#include <algorithm>
#include <utility>

namespace vex::orb::core::plugins {

TemplatePlugin::Code::InstanceLink::InstanceLink(std::string linked)
    : name(std::move(linked)), watch({}, [this] { instance = nullptr; }) {}

TemplatePlugin::Code::Code(const CreateParam& param, const TemplatePlugin& plugin)
    : CCamera(param), document_(plugin.GetDocument()), source_(plugin.GetSource()) {}

TemplatePlugin::Code::~Code() = default;

void TemplatePlugin::Code::ResolveLinks() {
    CoreImplementation* found = FindCore();
    for (const std::unique_ptr<InstanceLink>& link : links_) {
        Instance* instance = found != nullptr ? found->FindInstance(link->name) : nullptr;
        if (instance != nullptr && instance != instance_ && !instance->IsActive()) instance = nullptr;
        link->instance = instance;
        link->watch.Watch(instance);
        if (instance == nullptr)
            Report(link->where, "names the instance \"" + link->name +
                                    "\", which is not in the scene with its record box on; its values read 0 "
                                    "and it takes no writes.");
    }
}

Instance* TemplatePlugin::Code::OwnerOf(const Parameter& parameter) const {
    if (parameter.link == Parameter::kOwnInstance) return instance_;
    return links_[static_cast<std::size_t>(parameter.link)]->instance;
}

double TemplatePlugin::Code::Read(const Parameter& parameter) const {
    if (parameter.property) return parameter.channel != nullptr ? parameter.channel->getValue() : 0.0;
    const Instance* owner = OwnerOf(parameter);
    return owner != nullptr ? owner->ReadById(parameter.id) : 0.0;
}

void TemplatePlugin::Code::RunTargets(std::vector<Target>& targets) {
    for (Target& target : targets) {
        if (target.script == nullptr) continue;
        for (std::size_t j = 0; j < target.sources.size(); ++j)
            target.script->SetParameter(static_cast<int>(j), Read(target.sources[j]));
        const double value = target.script->evaluate();
        if (Instance* owner = OwnerOf(target)) Write(*owner, target.id, value);
    }
}

void TemplatePlugin::Code::Write(Instance& owner, int32_t id, double value) {
    // The first write of a value in a run is an undoable edit, which the take's undo step takes in,
    // so undoing the take brings back the value from before it; later writes add nothing to undo.
    const std::pair<Instance*, int32_t> entry{&owner, id};
    if (std::find(written_.begin(), written_.end(), entry) != written_.end()) {
        owner.AssignById(id, value);
        return;
    }
    written_.push_back(entry);
    owner.WriteById(id, value);
}

void TemplatePlugin::Code::RunTriggers(bool forced) {
    for (PropertyTrigger& trigger : propertyTriggers_) {
        if (!forced && (trigger.channel == nullptr || trigger.channel->getValue() == trigger.lastValue))
            continue;
        if (trigger.channel != nullptr) trigger.lastValue = trigger.channel->getValue();
        RunTargets(trigger.targets);
    }
    for (Trigger& trigger : triggers_) {
        if (trigger.link != Parameter::kOwnInstance && OwnerOf(trigger) == nullptr) continue;
        RunTargets(trigger.targets);
    }
}

void TemplatePlugin::Code::Publish(Control& control) {
    if (control.script == nullptr) return;
    for (std::size_t j = 0; j < control.sources.size(); ++j)
        control.script->SetParameter(static_cast<int>(j), Read(control.sources[j]));
    control.Push(control.script->evaluate());
}

void TemplatePlugin::Code::PublishAll() {
    for (const std::unique_ptr<Control>& control : controls_) Publish(*control);
}

void TemplatePlugin::Code::begin(double /*t*/) {
    written_.clear();
    ResolveLinks();
    RunTriggers(true);
    PublishAll();
}

void TemplatePlugin::Code::step(double /*t*/) {
    RunTriggers(false);
    PublishAll();
}

int TemplatePlugin::Code::extension(int id, void* data) {
    switch (id) {
    case kOutputChannelValue: {
        const auto found =
            std::find_if(controls_.begin(), controls_.end(),
                         [data](const std::unique_ptr<Control>& c) { return c.get() == data; });
        if (found == controls_.end()) return 0;
        Publish(**found);
        return 1;
    }
    case kLoadLinks:
        LoadLogic();
        return 1;
    case kWriteCustomData: {
        if (data == nullptr) return 0;
        // The document as it was read, so that a part the tool could not use is kept for the user
        // to mend rather than lost with the next save.
        auto& custom = *static_cast<util::xml::Element*>(data);
        for (const util::xml::Element& child : document_.GetChildren())
            if (child.IsTag()) custom.AddChild(child);
        return 1;
    }
    default:
        return 0;
    }
}

std::vector<int32_t> TemplatePlugin::Code::getExtensionIds() const {
    return {kOutputChannelValue, kLoadLinks, kWriteCustomData};
}

} // namespace vex::orb::core::plugins
