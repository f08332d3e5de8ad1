#include "core/AdaptorManager.h"

#include "core/CurrentAdaptor.h"

namespace vex::orb::core {

AdaptorManager::AdaptorManager(CoreImplementation* core)
    : CoreSubSystem(core), adaptor_(GetCurrentAdaptor()) {}

} // namespace vex::orb::core
