#pragma once

#include "plugins/catalogue/CToolPlugin.h"
#include "plugins/statemachine/CStateMachineObject.h"

namespace vex::orb::addon {

/// The descriptor of the state machine.
using CStateMachinePlugin = CToolPlugin<CStateMachineObject>;

} // namespace vex::orb::addon
