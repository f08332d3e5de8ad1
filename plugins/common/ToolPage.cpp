#include "plugins/common/ToolPage.h"

#include "util/Assert.h"

#include <utility>

namespace vex::orb::addon {
namespace {

// Reserved slot of the contract's spinner operations; always 0.
constexpr int kReserved = 0;

struct ItemDeclarer {
    CInterface* core;
    void operator()(const SpinnerItem& s) const {
        core->addSpinner(s.name, s.help, s.value, s.min, s.max, s.step, s.setting, s.channel, kReserved,
                         s.callback);
    }
    void operator()(const IntSpinnerItem& s) const {
        core->addIntSpinner(s.name, s.help, s.value, s.min, s.max, s.step, s.setting, s.channel, kReserved,
                            s.callback);
    }
    void operator()(const CheckBoxItem& c) const { core->addCheckBox(c.name, c.help, c.value, c.callback); }
    void operator()(const ComboBoxItem& c) const {
        core->addComboBox(c.name, c.help, c.items, c.value, c.callback);
    }
    void operator()(const ButtonItem& b) const { core->addButton(b.name, b.help, b.callback); }
};

} // namespace

SpinnerItem ChannelSpinner(std::string name, std::string help, double& value, double min, double max,
                           double step, CInterface::Callback* callback) {
    return SpinnerItem{.name = std::move(name),
                       .help = std::move(help),
                       .value = &value,
                       .min = min,
                       .max = max,
                       .step = step,
                       .setting = 1,
                       .channel = true,
                       .callback = callback};
}

void DeclarePage(CInterface* core, const ToolPage& page) {
    TORVA_ASSERT(core != nullptr, "a page is declared on a tool's core");
    core->beginConfiguration();
    for (const PageGroup& group : page) {
        core->beginGroup(group.name, group.help);
        for (const PageItem& item : group.items) std::visit(ItemDeclarer{core}, item);
        core->endGroup();
    }
    core->endConfiguration();
}

const std::string& ItemName(const PageItem& item) {
    return std::visit([](const auto& i) -> const std::string& { return i.name; }, item);
}

} // namespace vex::orb::addon
