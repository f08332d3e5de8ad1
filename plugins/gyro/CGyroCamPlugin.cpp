#include "plugins/gyro/CGyroCamPlugin.h"

#include "plugins/gyro/CGyroCam.h"

#include <new>

namespace vex::orb::addon {

CCameraPlugin* CGyroCamPlugin::Create(const ToolIdentity& identity) {
    return new (std::nothrow) CGyroCamPlugin(identity);
}

CCamera* CGyroCamPlugin::create(const CCamera::CreateParam& param) {
    return new (std::nothrow) CGyroCam(param);
}

} // namespace vex::orb::addon
