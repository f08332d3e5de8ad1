// The entry points Maya calls when it loads and unloads the torvasuite plug-in.
#include "system/adaptors/maya/MayaAdaptorInterface.h"
#include "system/adaptors/maya/TorvaPlugin.h"
#include "system/adaptors/maya/UndoManagement.h"

#include <maya/MObject.h>
#include <maya/MStatus.h>

using vex::orb::adaptor::maya::MayaAdaptorInterface;
using vex::orb::adaptor::maya::TorvaPlugin;
using vex::orb::adaptor::maya::UndoManagement;

MStatus initializePlugin(MObject object) {
    return TorvaPlugin::Load(object);
}

MStatus uninitializePlugin(MObject object) {
    const MStatus status = TorvaPlugin::Unload(object);
    // The core lives until the plug-in's code goes: it is shut down with the adaptor here.
    MayaAdaptorInterface::DestroyInstance();
    UndoManagement::DestroyInstance();
    return status;
}
