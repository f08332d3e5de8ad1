#pragma once

#include "plugins/catalogue/CCataloguePlugin.h"

namespace vex::orb::addon {

/// The descriptor of the Sinusoid accessory: reports its catalogue identity and creates
/// CSinusoidObject tool objects.
class CSinusoidPlugin : public CCataloguePlugin {
public:
    using CCataloguePlugin::CCataloguePlugin;

    /// A new descriptor reporting `identity`: the tool table's factory for this tool.
    static CCameraPlugin* Create(const ToolIdentity& identity);

    /// A new CSinusoidObject carrying `param`'s plug-in and name; null when out of memory.
    CCamera* create(const CCamera::CreateParam& param) override;
};

} // namespace vex::orb::addon
