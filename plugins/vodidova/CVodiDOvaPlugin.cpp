#include "plugins/vodidova/CVodiDOvaPlugin.h"

#include "plugins/vodidova/CVodiDOvaObject.h"

#include <new>

namespace vex::orb::addon {

CCameraPlugin* CVodiDOvaPlugin::Create(const ToolIdentity& identity) {
    return new (std::nothrow) CVodiDOvaPlugin(identity);
}

CCamera* CVodiDOvaPlugin::create(const CCamera::CreateParam& param) {
    return new (std::nothrow) CVodiDOvaObject(param);
}

} // namespace vex::orb::addon
