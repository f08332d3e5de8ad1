#pragma once

#include "plugins/catalogue/CToolPlugin.h"
#include "plugins/vezizazav/CVezizaZavObject.h"

namespace vex::orb::addon {

/// The descriptor of the VuzaZaderaRav smoothing follow camera.
using CVezizaZavPlugin = CToolPlugin<CVezizaZavObject>;

} // namespace vex::orb::addon
