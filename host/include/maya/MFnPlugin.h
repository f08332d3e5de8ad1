#pragma once

#include <maya/MFn.h>
#include <maya/MObject.h>
#include <maya/MPxNode.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MSyntax.h>
#include <maya/MTypeId.h>

/// The vendor name the API's example plug-ins hand to MFnPlugin (their build may define another).
#ifndef PLUGIN_COMPANY
#define PLUGIN_COMPANY "Autodesk"
#endif

/// Makes a new command or node object (returned as void*, an MPxCommand or MPxNode).
typedef void* (*MCreatorFunction)();
/// Adds a node type's attributes (from MFnPlugin::registerNode).
typedef MStatus (*MInitializeFunction)();
/// Declares a command's syntax: the flags and arguments the host lets through to it.
typedef MSyntax (*MCreateSyntaxFunction)();

/// Function set on the plug-in object handed to initializePlugin and uninitializePlugin: the plug-in's
/// identity and the registration of its commands and node types.
class MFnPlugin {
public:
    MFnPlugin();
    /// Attaches to a plug-in object; vendor, version and required API version are recorded when this
    /// is called from initializePlugin.
    MFnPlugin(MObject& object, const char* vendor = "Unknown", const char* version = "Unknown",
              const char* requiredApiVersion = "Any", MStatus* ReturnStatus = nullptr);

    /// MFn::kPlugin.
    MFn::Type type() const;
    /// The plug-in object the set is attached to.
    MObject object(MStatus* ReturnStatus = nullptr) const;

    /// The plug-in's vendor, version, required API version, name and the folder it was loaded from.
    MString vendor(MStatus* ReturnStatus = nullptr) const;
    MString version(MStatus* ReturnStatus = nullptr) const;
    MString apiVersion(MStatus* ReturnStatus = nullptr) const;
    MString name(MStatus* ReturnStatus = nullptr) const;
    MString loadPath(MStatus* ReturnStatus = nullptr) const;

    /// Registers a command; kFailure when the name is taken. With a syntax function, calls that do
    /// not fit the syntax are refused before a command object is made; without one, the command gets
    /// whatever the script wrote.
    MStatus registerCommand(const MString& commandName, MCreatorFunction creatorFunction,
                            MCreateSyntaxFunction createSyntaxFunction = nullptr);
    /// Removes a command the plug-in registered; kFailure when it has none of that name.
    MStatus deregisterCommand(const MString& commandName);
    /// Registers a node type: its name, id, the creator of its node objects and the function adding its
    /// attributes. kFailure when the name or id is taken or the initialize function fails;
    /// kNotImplemented for node kinds other than kDependNode.
    MStatus registerNode(const MString& typeName, const MTypeId& typeId, MCreatorFunction creatorFunction,
                         MInitializeFunction initFunction, MPxNode::Type type = MPxNode::kDependNode,
                         const MString* classification = nullptr);
    /// Removes a node type the plug-in registered; kFailure when it has none with that id or nodes of
    /// the type are in the scene.
    MStatus deregisterNode(const MTypeId& typeId);

    /// The plug-in object of a loaded plug-in by name (the null object when none).
    static MObject findPlugin(const MString& pluginName);

private:
    MObject plugin_;
};
