#include "core/CoreSubSystem.h"

#include "platform/win32/MessageBox.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace vex::orb::core {

namespace {

struct Registry {
    std::vector<CoreSubSystem*> subsystems;
    bool coreInitialized = false;
    CoreSubSystem::DestructionObserver observer;
};

Registry& GetRegistry() {
    // Never destroyed: subsystems may leave the list during static destruction.
    static Registry* registry = new Registry;
    return *registry;
}

} // namespace

CoreSubSystem::CoreSubSystem(CoreImplementation* core) : core_(core) {
    if (core_ != nullptr && !IsCoreInitialized()) GetRegistry().subsystems.push_back(this);
}

CoreImplementation* CoreSubSystem::GetCore() {
    if (core_ == nullptr) return nullptr;
    if (!IsCoreInitialized()) {
        platform::win32::MessageBox(nullptr, "ERROR: Using CORE pointer before being correctly initialized!",
                                    "", platform::win32::MB_OK);
        return nullptr;
    }
    return core_;
}

CoreSubSystem::~CoreSubSystem() {
    Registry& registry = GetRegistry();
    if (registry.observer) registry.observer(this);
    std::erase(registry.subsystems, this);
}

bool CoreSubSystem::IsCoreInitialized() {
    return GetRegistry().coreInitialized;
}

void CoreSubSystem::SetCoreInitialized(bool initialized) {
    GetRegistry().coreInitialized = initialized;
}

void CoreSubSystem::InitializeAll() {
    Registry& registry = GetRegistry();
    registry.coreInitialized = true;
    for (std::size_t i = 0; i < registry.subsystems.size(); ++i) registry.subsystems[i]->Initialize();
}

std::size_t CoreSubSystem::GetRegisteredCount() {
    return GetRegistry().subsystems.size();
}

CoreSubSystem* CoreSubSystem::GetRegistered(std::size_t index) {
    const std::vector<CoreSubSystem*>& subsystems = GetRegistry().subsystems;
    return index < subsystems.size() ? subsystems[index] : nullptr;
}

CoreSubSystem::DestructionObserver CoreSubSystem::SetDestructionObserver(DestructionObserver observer) {
    return std::exchange(GetRegistry().observer, std::move(observer));
}

} // namespace vex::orb::core
