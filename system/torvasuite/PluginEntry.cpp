// The entry points Maya calls when it loads and unloads the torvasuite plug-in. For now the entry
// builds the adaptor (which starts the core on it) and registers the undo command the adaptor's
// groups enter into Maya's queue; the shelf, the commands, the node types and the scene callbacks
// are not registered yet.
#include "system/adaptors/maya/MayaAdaptorInterface.h"
#include "system/adaptors/maya/TorvaUndoWrapperII.h"
#include "system/adaptors/maya/UndoManagement.h"

#include <maya/MFnPlugin.h>
#include <maya/MGlobal.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>

using vex::orb::adaptor::maya::MayaAdaptorInterface;
using vex::orb::adaptor::maya::TorvaUndoWrapperII;
using vex::orb::adaptor::maya::UndoManagement;

MStatus initializePlugin(MObject object) {
    MFnPlugin plugin(object, "Torva Labs", "1.0", "Any");
    const MStatus status = plugin.registerCommand(TorvaUndoWrapperII::kName, &TorvaUndoWrapperII::creator);
    if (!status) {
        status.perror("registerCommand TorvaUndoWrapperII");
        return status;
    }
    MayaAdaptorInterface::Instance();
    return MS::kSuccess;
}

MStatus uninitializePlugin(MObject object) {
    MFnPlugin plugin(object);
    MayaAdaptorInterface::DestroyInstance();
    UndoManagement::DestroyInstance();
    const MStatus status = plugin.deregisterCommand(TorvaUndoWrapperII::kName);
    if (!status) status.perror("deregisterCommand TorvaUndoWrapperII");
    return status;
}
