#pragma once

#include "plugins/catalogue/CCataloguePlugin.h"

namespace vex::orb::addon {

/// The descriptor of the VodiDOva zero-gravity camera: reports its catalogue identity with the tool's
/// own description and creates CVodiDOvaObject tool objects.
class CVodiDOvaPlugin : public CCataloguePlugin {
public:
    using CCataloguePlugin::CCataloguePlugin;

    /// The help paragraph of the tool.
    static constexpr std::string_view kDescription =
        "Torva VodiDOva is modelled as an object moving in zero gravity. Brake functionality has been added "
        "to aid navigation. Torva VodiDOva gives an ultra smooth motion yielding an eerie, almost liquid "
        "feeling to a shoot. ";

    /// A new descriptor reporting `identity`: the tool table's factory for this tool.
    static CCameraPlugin* Create(const ToolIdentity& identity);

    /// A new CVodiDOvaObject carrying `param`'s plug-in and name; null when out of memory.
    CCamera* create(const CCamera::CreateParam& param) override;
    std::string getDescription() override { return std::string(kDescription); }
};

} // namespace vex::orb::addon
