#pragma once

#include "plugins/carextended/model/CarState.h"
#include "plugins/common/StateRecord.h"

namespace vex::orb::addon {

/// The car's state per recorded frame.
using CarStateRecord = StateRecord<CarState>;

} // namespace vex::orb::addon
