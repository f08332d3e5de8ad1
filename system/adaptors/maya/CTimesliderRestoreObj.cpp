#include "system/adaptors/maya/CTimesliderRestoreObj.h"

#include <maya/MAnimControl.h>

namespace vex::orb::adaptor::maya {

void CTimesliderRestoreObj::Apply(const MTime& time) {
    MAnimControl::setCurrentTime(time);
}

} // namespace vex::orb::adaptor::maya
