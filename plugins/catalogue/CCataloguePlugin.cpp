#include "plugins/catalogue/CCataloguePlugin.h"

namespace vex::orb::addon {

int CCataloguePlugin::extension(int id, void* data) {
    if (id != kAliases || identity_.alias.empty() || !data) return 0;
    static_cast<std::vector<std::string>*>(data)->emplace_back(identity_.alias);
    return 1;
}

std::vector<int32_t> CCataloguePlugin::getExtensionIds() const {
    if (identity_.alias.empty()) return {};
    return {kAliases};
}

std::string CCataloguePlugin::getDisplayName() {
    std::string name(displayPrefix_);
    name += identity_.displayName;
    return name;
}

} // namespace vex::orb::addon
