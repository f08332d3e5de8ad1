#include "plugins/ruzovuzediziviz/CRuzovuZediziVizPlugin.h"

#include "plugins/ruzovuzediziviz/CRuzovuZediziVizObject.h"

#include <new>

namespace vex::orb::addon {

CCameraPlugin* CRuzovuZediziVizPlugin::Create(const ToolIdentity& identity) {
    return new (std::nothrow) CRuzovuZediziVizPlugin(identity);
}

CCamera* CRuzovuZediziVizPlugin::create(const CCamera::CreateParam& param) {
    return new (std::nothrow) CRuzovuZediziVizObject(param);
}

} // namespace vex::orb::addon
