#include "system/adaptors/maya/TorvaPlugin.h"

#include "core/DataPaths.h"
#include "system/adaptors/maya/CStorageNode.h"
#include "system/adaptors/maya/MayaAdaptorInterface.h"
#include "system/adaptors/maya/Shelf.h"
#include "system/adaptors/maya/StorageNode.h"
#include "system/adaptors/maya/TorvaPluginManager.h"
#include "system/adaptors/maya/TorvaUndoWrapperII.h"
#include "system/adaptors/maya/commands/StartTorvaSuiteCmd.h"
#include "system/adaptors/maya/commands/TorvaCloneToolCmd.h"
#include "system/adaptors/maya/commands/TorvaCreate4VeredevOroCmd.h"
#include "system/adaptors/maya/commands/TorvaCreateToolCmd.h"
#include "system/adaptors/maya/commands/TorvaDecSlowFactorCmd.h"
#include "system/adaptors/maya/commands/TorvaDeleteToolCmd.h"
#include "system/adaptors/maya/commands/TorvaIncSlowFactorCmd.h"
#include "system/adaptors/maya/commands/TorvaLoadProfileCmd.h"
#include "system/adaptors/maya/commands/TorvaReSimulateCmd.h"
#include "system/adaptors/maya/commands/TorvaRenameToolCmd.h"
#include "system/adaptors/maya/commands/TorvaSelectToolCmd.h"
#include "system/adaptors/maya/commands/TorvaStartAnimationCmd.h"
#include "system/adaptors/maya/commands/TorvaStopAnimationCmd.h"

#include <maya/MFnPlugin.h>
#include <maya/MString.h>

#include <string>

namespace vex::orb::adaptor::maya {
namespace {

struct Command {
    const char* name;
    MCreatorFunction creator;
    const char* registerFailure;
};

// In the order of registration.
const Command kCommands[] = {
    {StartTorvaSuiteCmd::kName, &StartTorvaSuiteCmd::Creator, "registerCommand StartTorvaSuiteCmd failed"},
    {TorvaUndoWrapperII::kName, &TorvaUndoWrapperII::Creator, "registerCommand TorvaUndoWrapperII failed"},
    {TorvaStartAnimationCmd::kName, &TorvaStartAnimationCmd::Creator,
     "registerCommand TorvaStartAnimationCmd failed"},
    {TorvaStopAnimationCmd::kName, &TorvaStopAnimationCmd::Creator,
     "registerCommand TorvaStopAnimationCmd failed"},
    {TorvaReSimulateCmd::kName, &TorvaReSimulateCmd::Creator, "registerCommand TorvaReSimulate failed"},
    {TorvaLoadProfileCmd::kName, &TorvaLoadProfileCmd::Creator, "registerCommand TorvaLoadProfileCmd failed"},
    {TorvaCreateToolCmd::kName, &TorvaCreateToolCmd::Creator, "registerCommand TorvaCreateToolCmd failed"},
    {TorvaSelectToolCmd::kName, &TorvaSelectToolCmd::Creator, "registerCommand TorvaSelectToolCmd failed"},
    {TorvaIncSlowFactorCmd::kName, &TorvaIncSlowFactorCmd::Creator,
     "registerCommand TorvaIncSlowFactorCmd failed"},
    {TorvaDecSlowFactorCmd::kName, &TorvaDecSlowFactorCmd::Creator,
     "registerCommand TorvaDecSlowFactorCmd failed"},
    {TorvaCreate4VeredevOroCmd::kName, &TorvaCreate4VeredevOroCmd::Creator,
     "registerCommand TorvaCreate4VeredevOroCmd failed"},
    {TorvaCloneToolCmd::kName, &TorvaCloneToolCmd::Creator, "registerCommand TorvaCloneToolCmd failed"},
    {TorvaRenameToolCmd::kName, &TorvaRenameToolCmd::Creator, "registerCommand TorvaRenameToolCmd failed"},
    {TorvaDeleteToolCmd::kName, &TorvaDeleteToolCmd::Creator, "registerCommand TorvaDeleteToolCmd failed"},
};

struct Deregistration {
    const char* name;
    const char* failure; // null: the result is not checked
};

// In the order of deregistration.
const Deregistration kDeregistrations[] = {
    {TorvaIncSlowFactorCmd::kName, "deregisterCommand TorvaIncSlowFactorCmd failed"},
    {TorvaDecSlowFactorCmd::kName, "deregisterCommand TorvaDecSlowFactorCmd failed"},
    {TorvaCreate4VeredevOroCmd::kName, nullptr},
    {TorvaCloneToolCmd::kName, nullptr},
    {TorvaRenameToolCmd::kName, nullptr},
    {TorvaDeleteToolCmd::kName, nullptr},
    {TorvaStartAnimationCmd::kName, "deregisterCommand TorvaStartAnimationCmd failed"},
    {TorvaStopAnimationCmd::kName, "deregisterCommand TorvaStopAnimationCmd failed"},
    {TorvaSelectToolCmd::kName, "deregisterCommand TorvaSelectToolCmd failed"},
    {TorvaLoadProfileCmd::kName, "deregisterCommand TorvaLoadProfileCmd failed"},
    {TorvaCreateToolCmd::kName, "deregisterCommand TorvaCreateToolCmd failed"},
    {TorvaReSimulateCmd::kName, "deregisterCommand TorvaReSimulate failed"},
    {TorvaUndoWrapperII::kName, "deregisterCommand TorvaUndoWrapperII failed"},
    {StartTorvaSuiteCmd::kName, "deregisterCommand TorvaShowUICmd failed"},
};

MStatus Failed(const MStatus& status, const char* text) {
    status.perror(text);
    return status;
}

} // namespace

MStatus TorvaPlugin::Load(MObject plugin) {
    const std::string root = core::GetDataRoot();
    for (const char* folder : {"/data", "/data/core", "/data/core/"})
        core::MakeDirectories(core::JoinDataPath(root, folder));
    MFnPlugin fn(plugin, kVendor, kVersion, "Any");
    MayaAdaptorInterface::Run(
        MString(Shelf::CreateMel(core::JoinDataPath(root, "/data") + "/core/images/torvaicon.xpm").c_str()));

    for (const Command& command : kCommands) {
        const MStatus status = fn.registerCommand(command.name, command.creator);
        if (!status) return Failed(status, command.registerFailure);
    }
    MStatus status = fn.registerNode(StorageNode::kTypeName, StorageNode::kTypeId, &StorageNode::Creator,
                                     &StorageNode::initialize);
    if (!status) return Failed(status, "registerNode StorageNode failed");
    status = fn.registerNode(CStorageNode::kTypeName, CStorageNode::kTypeId, &CStorageNode::Creator,
                             &CStorageNode::initialize);
    if (!status) return Failed(status, "registerNode CStorageNode failed");

    status = TorvaPluginManager::Instance().InstallCallbacks();
    if (!status) return Failed(status, "installing the scene callbacks failed");
    // The host adaptor, whose construction starts the core on it.
    MayaAdaptorInterface::Instance();
    return MS::kSuccess;
}

MStatus TorvaPlugin::Unload(MObject plugin) {
    MFnPlugin fn(plugin, "Unknown", "Unknown", "Any");
    TorvaPluginManager::DestroyInstance();
    MStatus status = fn.deregisterNode(CStorageNode::kTypeId);
    if (!status) return Failed(status, "deregisterNode CStorageNode failed");
    status = fn.deregisterNode(StorageNode::kTypeId);
    if (!status) return Failed(status, "deregisterNode StorageNode failed");
    MayaAdaptorInterface::Run(MString(Shelf::DeleteMel().c_str()));
    for (const Deregistration& command : kDeregistrations) {
        status = fn.deregisterCommand(command.name);
        if (!status && command.failure != nullptr) return Failed(status, command.failure);
    }
    return MS::kSuccess;
}

} // namespace vex::orb::adaptor::maya
