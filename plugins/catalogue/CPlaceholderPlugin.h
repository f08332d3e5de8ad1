#pragma once

#include "plugins/catalogue/CCataloguePlugin.h"

namespace vex::orb::addon {

/// The descriptor of a compiled-in tool whose simulation is not built yet: it reports the tool's
/// identity and creates CPlaceholderObject tool objects.
class CPlaceholderPlugin : public CCataloguePlugin {
public:
    using CCataloguePlugin::CCataloguePlugin;

    /// A new descriptor reporting `identity`: the factory the tool table uses for tools not built yet.
    static CCameraPlugin* Create(const ToolIdentity& identity);

    /// A new CPlaceholderObject carrying `param`'s plug-in and name.
    CCamera* create(const CCamera::CreateParam& param) override;
};

} // namespace vex::orb::addon
