#include "plugins/catalogue/CPlaceholderPlugin.h"

#include "plugins/catalogue/CPlaceholderObject.h"

#include <new>

namespace vex::orb::addon {

CCameraPlugin* CPlaceholderPlugin::Create(const ToolIdentity& identity) {
    return new (std::nothrow) CPlaceholderPlugin(identity);
}

CCamera* CPlaceholderPlugin::create(const CCamera::CreateParam& param) {
    return new (std::nothrow) CPlaceholderObject(param);
}

} // namespace vex::orb::addon
