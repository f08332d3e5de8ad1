#include "plugins/empty/EmptyPlugin.h"

#include "plugins/empty/EmptyObject.h"

#include <new>

namespace vex::orb::addon {

const ToolIdentity EmptyPlugin::kIdentity{"EmptyPlugin", "core/emptyplugin", "Empty Plugin", "Accessory",
                                          "This plugin is an empty object and does nothing."};

CCamera* EmptyPlugin::create(const CCamera::CreateParam& param) {
    return new (std::nothrow) EmptyObject(param);
}

} // namespace vex::orb::addon
