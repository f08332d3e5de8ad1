#pragma once

#include "plugins/catalogue/CToolPlugin.h"
#include "plugins/directinputlink/CDirectInputLinkObject.h"

namespace vex::orb::addon {

/// The descriptor of the direct input link.
using CDirectInputLinkPlugin = CToolPlugin<CDirectInputLinkObject>;

} // namespace vex::orb::addon
