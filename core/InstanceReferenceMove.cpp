#include "core/InstanceReferenceMove.h"

#include "core/CoreImplementation.h"
#include "core/CoreStartup.h"

namespace vex::orb::core {

void InstanceReferenceMove::MoveTo(const Place& place) const {
    CoreImplementation* core = FindCore();
    if (core == nullptr) return;
    core->InstanceManager::MoveQuietly(name_, place.parent, place.index);
    core->MainDlg::Refresh();
}

} // namespace vex::orb::core
