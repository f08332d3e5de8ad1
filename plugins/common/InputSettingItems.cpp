#include "plugins/common/InputSettingItems.h"

#include <string>

namespace vex::orb::addon {

std::vector<PageItem> InputSettingItems(const std::vector<const char*>& names,
                                        const std::vector<double*>& responseFactors,
                                        const std::vector<double*>& maxima) {
    const auto spinner = [](std::string name, double& value, double max) {
        return SpinnerItem{.name = name,
                           .help = name,
                           .value = &value,
                           .min = -1e16,
                           .max = max,
                           .step = 0.001,
                           .setting = 10};
    };
    std::vector<PageItem> items;
    for (std::size_t k = 0; k < names.size(); ++k) {
        const std::string input = names[k];
        items.push_back(spinner(input + " Response Factor", *responseFactors[k], 1.0));
        items.push_back(spinner(input + " Maximum", *maxima[k], 1e16));
    }
    return items;
}

} // namespace vex::orb::addon
