#pragma once

#include <maya/MPlug.h>

#include <string>

namespace vex::host::program {

/// The plug "node.attribute" of the scene, or a null plug when the node or its attribute is missing.
MPlug FindPlugByName(const std::string& name);

} // namespace vex::host::program
