#pragma once

#include "plugins/catalogue/CCataloguePlugin.h"

namespace vex::orb::addon {

/// The descriptor of the built-in empty tool, a tool object that does nothing. Its identity:
/// "EmptyPlugin", data folder "core/emptyplugin", display name "Empty Plugin" (no product prefix),
/// category "Accessory".
class EmptyPlugin : public CCataloguePlugin {
public:
    /// The empty tool's identity.
    static const ToolIdentity kIdentity;

    EmptyPlugin() : CCataloguePlugin(kIdentity, {}) {}

    /// A new EmptyObject carrying `param`'s plug-in and name.
    CCamera* create(const CCamera::CreateParam& param) override;
};

} // namespace vex::orb::addon
