#include "core/InstanceReferenceRename.h"

#include "core/CoreImplementation.h"
#include "core/CoreStartup.h"
#include "core/Instance.h"

namespace vex::orb::core {

void InstanceReferenceRename::Rename(const std::string& from, const std::string& to) {
    CoreImplementation* core = FindCore();
    Instance* instance = core != nullptr ? core->InstanceManager::FindInstance(from) : nullptr;
    if (instance == nullptr || core->InstanceManager::FindInstance(to) != nullptr) return;
    instance->Rename(to);
    core->MainDlg::Refresh();
}

} // namespace vex::orb::core
