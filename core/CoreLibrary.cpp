#include "core/CoreLibrary.h"

#include "core/BuiltInPlugins.h"
#include "core/CompiledPluginTable.h"
#include "core/Plugin.h"

namespace vex::orb::core {

CoreLibrary::CoreLibrary() : Library(kPath, nullptr) {
    for (int index = 0;; ++index) {
        CCameraPlugin* descriptor = CreateCompiledPlugin(index);
        if (descriptor == nullptr) break;
        Plugin::Register(*this, descriptor);
    }
    for (CCameraPlugin* descriptor : {CreateGroupPlugin(), CreateEmptyPlugin()}) {
        if (descriptor != nullptr) Plugin::Register(*this, descriptor);
    }
}

} // namespace vex::orb::core
