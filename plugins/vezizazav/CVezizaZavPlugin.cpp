#include "plugins/vezizazav/CVezizaZavPlugin.h"

#include "plugins/vezizazav/CVezizaZavObject.h"

#include <new>

namespace vex::orb::addon {

CCameraPlugin* CVezizaZavPlugin::Create(const ToolIdentity& identity) {
    return new (std::nothrow) CVezizaZavPlugin(identity);
}

CCamera* CVezizaZavPlugin::create(const CCamera::CreateParam& param) {
    return new (std::nothrow) CVezizaZavObject(param);
}

} // namespace vex::orb::addon
