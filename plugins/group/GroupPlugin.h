#pragma once

#include "plugins/catalogue/CCataloguePlugin.h"

namespace vex::orb::addon {

/// The descriptor of the built-in group tool, which gathers other tools under one node. Its identity:
/// "Group", data folder "core/group", display name "Group" (no product prefix), category "Accessory".
class GroupPlugin : public CCataloguePlugin {
public:
    /// The group tool's identity.
    static const ToolIdentity kIdentity;

    GroupPlugin() : CCataloguePlugin(kIdentity, {}) {}

    /// A new GroupObject carrying `param`'s plug-in and name.
    CCamera* create(const CCamera::CreateParam& param) override;
};

} // namespace vex::orb::addon
