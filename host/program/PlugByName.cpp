#include "host/program/PlugByName.h"

#include <maya/MFnDependencyNode.h>
#include <maya/MObject.h>
#include <maya/MSelectionList.h>
#include <maya/MString.h>

namespace vex::host::program {

MPlug FindPlugByName(const std::string& name) {
    const std::size_t dot = name.find('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 == name.size()) return {};
    MSelectionList list;
    MObject node;
    if (!list.add(MString(name.substr(0, dot).c_str())) || !list.getDependNode(0, node)) return {};
    MStatus status;
    MPlug plug = MFnDependencyNode(node).findPlug(MString(name.substr(dot + 1).c_str()), &status);
    return status ? plug : MPlug();
}

} // namespace vex::host::program
