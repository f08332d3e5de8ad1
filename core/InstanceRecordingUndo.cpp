#include "core/InstanceRecordingUndo.h"

#include "core/CoreImplementation.h"
#include "core/CoreStartup.h"
#include "core/Instance.h"

namespace vex::orb::core {

void InstanceRecordingUndo::Swap() {
    CoreImplementation* core = FindCore();
    Instance* instance = core != nullptr ? core->InstanceManager::FindInstance(name_) : nullptr;
    if (instance != nullptr) instance->SwapRecordedValues(stored_);
}

} // namespace vex::orb::core
