// Reading the template document: the channels, page and controls a tool object declares, and the
// logic it loads once its instance is complete.

#include "core/Instance.h"
#include "core/dedidavazi/DataText.h"
#include "core/plugins/TemplatePlugin_Code.h"
#include "interface/CInterface.h"
#include "platform/win32/DebugOutput.h"
#include "util/NumberText.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace vex::orb::core::plugins {

namespace {

constexpr uint32_t kBinaryFlag = 1;
constexpr uint32_t kTrinaryFlag = 2;
constexpr uint32_t kFiniteFlag = 4;
constexpr uint32_t kInfiniteFlag = 8;

// Calls `visit(child, where)` for each tag child of `parent` in order, `where` naming it as
// `path` + "/" + its name + "[n]" (n counting from 1 among all tag children).
template <typename Visit>
void ForEachTag(const util::xml::Element& parent, const std::string& path, Visit visit) {
    int n = 0;
    for (const util::xml::Element& child : parent.GetChildren()) {
        if (!child.IsTag()) continue;
        ++n;
        visit(child, path + "/" + std::string(child.GetName()) + "[" + std::to_string(n) + "]");
    }
}

// The kinds mask of a channel or control: each flag element present and not empty.
uint32_t KindsOf(const util::xml::Element& element) {
    uint32_t kinds = 0;
    const auto flag = [&element](std::string_view name) {
        const util::xml::Element* child = element.GetChild(name);
        return child != nullptr && child->CountChildren() > 0;
    };
    if (flag("binary")) kinds |= kBinaryFlag;
    if (flag("trinary")) kinds |= kTrinaryFlag;
    if (flag("finite")) kinds |= kFiniteFlag;
    if (flag("infinite")) kinds |= kInfiniteFlag;
    return kinds;
}

// The first element below `element` (itself included) whose name no expression factory knows; the
// data children of "constant" and "parameter" are not operations.
const util::xml::Element* FindUnknownOperation(const util::xml::Element& element) {
    if (DediDavazi::FindFactory(element.GetName()) == nullptr) return &element;
    if (element.GetName() == "constant" || element.GetName() == "parameter") return nullptr;
    for (const util::xml::Element& child : element.GetChildren()) {
        if (!child.IsTag()) continue;
        if (const util::xml::Element* unknown = FindUnknownOperation(child)) return unknown;
    }
    return nullptr;
}

const util::xml::Element* FirstTag(const util::xml::Element& element) {
    for (const util::xml::Element& child : element.GetChildren())
        if (child.IsTag()) return &child;
    return nullptr;
}

} // namespace

void TemplatePlugin::Code::Report(const std::string& where, const std::string& text) const {
    const std::string line = "Template \"" + document_.GetChildText("name") + "\" (" + source_ +
                             "), instance \"" + name + "\", " + where + ": " + text;
    platform::win32::OutputDebugStringA(line.c_str());
}

int TemplatePlugin::Code::buildConfiguration() {
    instance_ = dynamic_cast<Instance*>(core);
    buildMode_ = document_.GetChild("buildmode") != nullptr;
    DeclareChannels();
    if (const util::xml::Element* configuration = document_.GetChild("configuration")) {
        config_.Read(*configuration, [this](const std::string& where, const std::string& text) {
            Report("configuration" + where, text);
        });
        config_.Declare(core);
    }
    DeclareControls();
    return 0;
}

void TemplatePlugin::Code::DeclareChannels() {
    const util::xml::Element* input = document_.GetChild("input");
    if (input == nullptr) return;
    ForEachTag(*input, "input", [this](const util::xml::Element& property, const std::string& where) {
        const std::string channelName = property.GetChildText("name");
        if (property.GetName() != "property" || channelName.empty()) return;
        unidevice::Property* channel =
            core->addInputChannel(channelName, KindsOf(property), &channelFactory_);
        if (channel == nullptr) return;
        channels_.push_back(channel);
        // A measured value (a distance, an angle) must reach the script unchanged, so a channel may
        // start without the dead zone a joystick axis needs.
        if (const util::xml::Element* deadzone = property.GetChild("deadzone")) {
            const std::optional<double> value = util::ParseNumber<double>(deadzone->GetText());
            if (value && *value >= 0.0 && *value < 1.0) {
                channel->SetDeadzone(*value);
            } else {
                Report(where + "/deadzone",
                       "is not a number from 0 up to 1; the channel keeps its dead zone.");
            }
        }
    });
}

void TemplatePlugin::Code::DeclareControls() {
    const util::xml::Element* device = document_.GetChild("virtualdevice");
    if (device == nullptr) return;
    if (!core->hasExtension(CInterface::kAddVirtualControl)) {
        Report("virtualdevice", "the host offers no virtual controls, so the tool has none.");
        return;
    }
    ForEachTag(*device, "virtualdevice", [this](const util::xml::Element& element, const std::string& where) {
        const std::string controlName = element.GetChildText("name");
        if (element.GetName() != "control" || controlName.empty()) return;
        int32_t index = -1;
        if (const util::xml::Element* given = element.GetChild("index"))
            index = DediDavazi_Default::ReadInt(DediDavazi_Default::DataText(*given));
        auto control = std::make_unique<Control>(controlName, KindsOf(element), index);
        control->script = LoadScript(element.GetChild("script"), where + "/script");
        if (const util::xml::Element* parameters = element.GetChild("parameters")) {
            ForEachTag(*parameters, where + "/parameters",
                       [this, &control](const util::xml::Element& source, const std::string& at) {
                           Parameter parameter;
                           if (source.GetName() == "property") {
                               parameter.property = true;
                               const std::string channelName = source.GetText();
                               const auto found = std::find_if(
                                   channels_.begin(), channels_.end(),
                                   [&](unidevice::Property* c) { return c->getName() == channelName; });
                               if (found != channels_.end()) {
                                   parameter.channel = *found;
                               } else {
                                   Report(at, "names the input channel \"" + channelName +
                                                  "\", which the tool does not have; it reads 0.");
                               }
                           } else if (source.GetName() == "spinner") {
                               parameter.id =
                                   DediDavazi_Default::ReadInt(DediDavazi_Default::DataText(source));
                           } else {
                               parameter.property = true; // keeps the later sources in their places
                               Report(at, "is neither \"property\" nor \"spinner\"; it reads 0.");
                           }
                           control->sources.push_back(std::move(parameter));
                       });
        }
        core->extension(CInterface::kAddVirtualControl, control.get());
        controls_.push_back(std::move(control));
    });
}

std::unique_ptr<DediDavazi> TemplatePlugin::Code::LoadScript(const util::xml::Element* script,
                                                             const std::string& where) const {
    const util::xml::Element* root = script != nullptr ? FirstTag(*script) : nullptr;
    if (root == nullptr) {
        Report(where, "holds no expression, so nothing is computed here.");
        return nullptr;
    }
    if (const util::xml::Element* unknown = FindUnknownOperation(*root)) {
        if (unknown == root) {
            Report(where, "names the operation \"" + std::string(root->GetName()) +
                              "\", which does not exist, so nothing is computed here.");
            return nullptr;
        }
        Report(where, "uses the operation \"" + std::string(unknown->GetName()) +
                          "\", which does not exist; it counts as 0.");
    }
    return DediDavazi::create(*root);
}

unidevice::Property* TemplatePlugin::Code::ChannelAt(int32_t position, const std::string& where) const {
    if (position >= 0 && static_cast<std::size_t>(position) < channels_.size())
        return channels_[static_cast<std::size_t>(position)];
    Report(where, "names input channel " + std::to_string(position) + ", but the tool has " +
                      std::to_string(channels_.size()) + " (counted from 0).");
    return nullptr;
}

void TemplatePlugin::Code::Link(Parameter& parameter, const std::string& where) {
    parameter.link = Parameter::kOwnInstance;
    if (parameter.external.empty() || parameter.property) return;
    const auto found =
        std::find_if(links_.begin(), links_.end(),
                     [&](const std::unique_ptr<InstanceLink>& l) { return l->name == parameter.external; });
    if (found != links_.end()) {
        parameter.link = static_cast<int>(found - links_.begin());
        return;
    }
    links_.push_back(std::make_unique<InstanceLink>(parameter.external));
    links_.back()->where = where;
    parameter.link = static_cast<int>(links_.size() - 1);
}

bool TemplatePlugin::Code::LoadTarget(const util::xml::Element& element, const std::string& where,
                                      Target& target) {
    if (!target.Read(element)) {
        Report(where, "has no \"id\" naming the value to write; the target is left out.");
        return false;
    }
    target.property = false; // a target always writes a configuration value
    Link(target, where);
    if (const util::xml::Element* parameters = element.GetChild("parameters")) {
        ForEachTag(*parameters, where + "/parameters",
                   [&](const util::xml::Element& source, const std::string& at) {
                       Parameter parameter;
                       if (!parameter.Read(source)) Report(at, "has no \"id\"; it reads 0.");
                       if (parameter.property) {
                           parameter.channel = ChannelAt(parameter.id, at);
                       } else {
                           Link(parameter, at);
                       }
                       target.sources.push_back(std::move(parameter));
                   });
    }
    target.script = LoadScript(element.GetChild("script"), where + "/script");
    return true;
}

void TemplatePlugin::Code::LoadLogic() {
    propertyTriggers_.clear();
    triggers_.clear();
    links_.clear();
    const util::xml::Element* logic = document_.GetChild("logic");
    if (logic == nullptr) return;
    ForEachTag(*logic, "logic", [this](const util::xml::Element& element, const std::string& where) {
        std::vector<Target> targets;
        ForEachTag(element, where, [&](const util::xml::Element& child, const std::string& at) {
            Target target;
            if (LoadTarget(child, at, target)) targets.push_back(std::move(target));
        });
        if (element.GetAttribute("type") == "property") {
            PropertyTrigger trigger;
            const std::optional<int32_t> position = util::ParseNumber<int32_t>(element.GetAttribute("id"));
            trigger.channel = ChannelAt(position.value_or(-1), where);
            trigger.targets = std::move(targets);
            propertyTriggers_.push_back(std::move(trigger));
        } else {
            Trigger trigger;
            trigger.Read(element); // an unnamed trigger watches nothing and runs every step
            trigger.property = false;
            Link(trigger, where);
            trigger.targets = std::move(targets);
            triggers_.push_back(std::move(trigger));
        }
    });
}

} // namespace vex::orb::core::plugins
