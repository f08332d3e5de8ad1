#include "plugins/common/OutputChannels.h"

#include "interface/CInterface.h"

#include <algorithm>

namespace vex::orb::addon {

void OutputChannels::Declare(CInterface* core, const std::vector<Output>& declared) {
    if (!core->hasExtension(CInterface::kAddVirtualControl)) return;
    for (const Output& output : declared) {
        outputs_.push_back(std::make_unique<COutputChannel>(output.name, output.kinds));
        core->extension(CInterface::kAddVirtualControl, outputs_.back().get());
    }
}

std::optional<std::size_t> OutputChannels::IndexOf(const void* data) const {
    const auto found =
        std::find_if(outputs_.begin(), outputs_.end(),
                     [data](const std::unique_ptr<COutputChannel>& o) { return o.get() == data; });
    if (found == outputs_.end()) return std::nullopt;
    return static_cast<std::size_t>(found - outputs_.begin());
}

} // namespace vex::orb::addon
