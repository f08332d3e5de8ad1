#include "plugins/sinusoid/CSinusoidPlugin.h"

#include "plugins/sinusoid/CSinusoidObject.h"

#include <new>

namespace vex::orb::addon {

CCameraPlugin* CSinusoidPlugin::Create(const ToolIdentity& identity) {
    return new (std::nothrow) CSinusoidPlugin(identity);
}

CCamera* CSinusoidPlugin::create(const CCamera::CreateParam& param) {
    return new (std::nothrow) CSinusoidObject(param);
}

} // namespace vex::orb::addon
