#pragma once

#include <maya/MArgList.h>
#include <maya/MFnPlugin.h>
#include <maya/MObject.h>
#include <maya/MPxCommand.h>
#include <maya/MStatus.h>

/// Declares a whole plug-in of one command named after the class: the class (the plug-in writes its
/// doIt), its creator, and the initializePlugin/uninitializePlugin pair registering it.
#define DeclareSimpleCommand(_className, _vendor, _version)                                                  \
    class _className : public MPxCommand {                                                                   \
    public:                                                                                                  \
        _className() {}                                                                                      \
        MStatus doIt(const MArgList&) override;                                                              \
        static void* creator() { return new _className; }                                                    \
    };                                                                                                       \
    MStatus initializePlugin(MObject _obj) {                                                                 \
        MFnPlugin plugin(_obj, _vendor, _version);                                                           \
        MStatus status = plugin.registerCommand(#_className, _className::creator);                           \
        if (!status) status.perror("registerCommand");                                                       \
        return status;                                                                                       \
    }                                                                                                        \
    MStatus uninitializePlugin(MObject _obj) {                                                               \
        MFnPlugin plugin(_obj);                                                                              \
        MStatus status = plugin.deregisterCommand(#_className);                                              \
        if (!status) status.perror("deregisterCommand");                                                     \
        return status;                                                                                       \
    }
