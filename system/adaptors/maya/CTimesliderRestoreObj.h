#pragma once

#include "system/adaptors/maya/CValueRestoreObj.h"

#include <maya/MTime.h>

namespace vex::orb::adaptor::maya {

/// The host's current time around an edit that moved it (a recording starts from where it began).
class CTimesliderRestoreObj : public CValueRestoreObj<MTime> {
public:
    using CValueRestoreObj::CValueRestoreObj;

protected:
    void Apply(const MTime& time) override;
};

} // namespace vex::orb::adaptor::maya
