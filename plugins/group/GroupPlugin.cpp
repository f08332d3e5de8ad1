#include "plugins/group/GroupPlugin.h"

#include "plugins/group/GroupObject.h"

#include <new>

namespace vex::orb::addon {

const ToolIdentity GroupPlugin::kIdentity{"Group", "core/group", "Group", "Accessory",
                                          "Is used to group various tools together"};

CCamera* GroupPlugin::create(const CCamera::CreateParam& param) {
    return new (std::nothrow) GroupObject(param);
}

} // namespace vex::orb::addon
