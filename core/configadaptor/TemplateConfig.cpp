#include "core/configadaptor/TemplateConfig.h"

#include "interface/CInterface.h"
#include "util/NumberText.h"

#include <optional>
#include <string_view>
#include <type_traits>

namespace vex::orb::core::configadaptor {

namespace {

// A number in attribute `name` (the "C" form), `fallback` when it is absent; nothing when it is
// there but not a number.
template <typename T>
std::optional<T> NumberAttribute(const util::xml::Element& element, std::string_view name, T fallback) {
    if (!element.HasAttribute(name)) return fallback;
    return util::ParseNumber<T>(element.GetAttribute(name));
}

// The item `element` describes, or nothing with the reason in `problem`.
std::optional<TemplateConfig::Item> ReadItem(const util::xml::Element& element, std::string& problem) {
    const std::string label = element.GetAttribute("label");
    const std::string help = element.GetAttribute("help");
    if (label.empty()) {
        problem = "has no \"label\"; it is left out.";
        return std::nullopt;
    }
    const std::string text = element.GetText();
    if (element.GetName() == "checkbox") {
        return TemplateConfig::CheckBoxData{label, help, util::TrimBlanks(text) == "1"};
    }
    const auto bad = [&problem](const char* what) {
        problem = std::string("has ") + what + " that is not a number; it is left out.";
        return std::nullopt;
    };
    if (element.GetName() == "id") {
        TemplateConfig::IdData data{label, help};
        const auto min = NumberAttribute(element, "min", data.min);
        const auto max = NumberAttribute(element, "max", data.max);
        const auto value =
            util::TrimBlanks(text).empty() ? std::optional<int>(0) : util::ParseNumber<int>(text);
        if (!min || !max) return bad("a limit");
        if (!value) return bad("a value");
        data.min = *min;
        data.max = *max;
        data.value = *value;
        return data;
    }
    if (element.GetName() == "spinner") {
        TemplateConfig::SpinnerData data{label, help};
        const auto min = NumberAttribute(element, "min", data.min);
        const auto max = NumberAttribute(element, "max", data.max);
        const auto step = NumberAttribute(element, "step", data.step);
        const auto value =
            util::TrimBlanks(text).empty() ? std::optional<double>(0.0) : util::ParseNumber<double>(text);
        if (!min || !max || !step) return bad("a limit or step");
        if (!value) return bad("a value");
        data.min = *min;
        data.max = *max;
        data.step = *step;
        data.value = *value;
        return data;
    }
    problem = "is not \"spinner\", \"checkbox\" or \"id\"; it is left out.";
    return std::nullopt;
}

} // namespace

void TemplateConfig::Read(const util::xml::Element& configuration, const Reporter& report) {
    groups_.clear();
    int g = 0;
    for (const util::xml::Element& group : configuration.GetChildren()) {
        if (!group.IsTag()) continue;
        const std::string where = "/" + std::string(group.GetName()) + "[" + std::to_string(++g) + "]";
        if (group.GetName() != "group") {
            report(where, "is not a \"group\"; it is left out.");
            continue;
        }
        Group read{group.GetAttribute("label"), group.GetAttribute("help"), {}};
        int n = 0;
        for (const util::xml::Element& item : group.GetChildren()) {
            if (!item.IsTag()) continue;
            std::string problem;
            const std::string at =
                where + "/" + std::string(item.GetName()) + "[" + std::to_string(++n) + "]";
            if (std::optional<Item> data = ReadItem(item, problem)) {
                read.items.push_back(std::move(*data));
            } else {
                report(at, problem);
            }
        }
        groups_.push_back(std::move(read));
    }
}

std::size_t TemplateConfig::GetItemCount() const {
    std::size_t count = 0;
    for (const Group& group : groups_) count += group.items.size();
    return count;
}

void TemplateConfig::Declare(CInterface* core) {
    if (core == nullptr || GetItemCount() == 0) return;
    core->beginConfiguration();
    for (Group& group : groups_) {
        core->beginGroup(group.label, group.help);
        for (Item& item : group.items) {
            std::visit(
                [core](auto& data) {
                    using Data = std::decay_t<decltype(data)>;
                    if constexpr (std::is_same_v<Data, CheckBoxData>) {
                        core->addCheckBox(data.label, data.help, &data.value, nullptr);
                    } else if constexpr (std::is_same_v<Data, IdData>) {
                        core->addIntSpinner(data.label, data.help, &data.value, data.min, data.max, 1, 1,
                                            false, 0, nullptr);
                    } else {
                        core->addSpinner(data.label, data.help, &data.value, data.min, data.max, data.step, 1,
                                         false, 0, nullptr);
                    }
                },
                item);
        }
        core->endGroup();
    }
    core->endConfiguration();
}

} // namespace vex::orb::core::configadaptor
