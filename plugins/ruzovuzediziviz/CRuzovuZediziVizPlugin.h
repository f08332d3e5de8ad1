#pragma once

#include "plugins/catalogue/CToolPlugin.h"
#include "plugins/ruzovuzediziviz/CRuzovuZediziVizObject.h"

namespace vex::orb::addon {

/// The descriptor of the RuzovuZediziViz follow camera.
using CRuzovuZediziVizPlugin = CToolPlugin<CRuzovuZediziVizObject>;

} // namespace vex::orb::addon
