// The built-in plug-ins the core library registers after the compiled-in tool table.

#include "core/BuiltInPlugins.h"

#include "plugins/empty/EmptyPlugin.h"
#include "plugins/group/GroupPlugin.h"

#include <new>

namespace vex::orb::core {

CCameraPlugin* CreateGroupPlugin() {
    return new (std::nothrow) addon::GroupPlugin();
}

CCameraPlugin* CreateEmptyPlugin() {
    return new (std::nothrow) addon::EmptyPlugin();
}

} // namespace vex::orb::core
