#pragma once

#include <maya/MStatus.h>

#include <memory>

namespace vex::host {
class CommandSyntax;
}

/// The flags and arguments a plug-in command accepts, handed to MFnPlugin::registerCommand by the
/// command's syntax function. The host refuses a call that does not fit before the command object is
/// made: an undeclared flag, a flag without its values, a value of the wrong type.
class MSyntax {
public:
    enum MArgType {
        kInvalidArgType,
        kNoArg,
        kBoolean,
        kLong,
        kDouble,
        kString,
        kUnsigned,
        kDistance,
        kAngle,
        kTime,
        kSelectionItem,
        kLastArgType
    };

    MSyntax();
    MSyntax(const MSyntax& other);
    MSyntax& operator=(const MSyntax& other);
    ~MSyntax();

    /// Declares a flag by its short and long name ("-v", "-value") and the types of up to six values
    /// that follow it. kFailure when either name is already declared or a type is not a value type.
    MStatus addFlag(const char* shortName, const char* longName, MArgType argType1 = kNoArg,
                    MArgType argType2 = kNoArg, MArgType argType3 = kNoArg, MArgType argType4 = kNoArg,
                    MArgType argType5 = kNoArg, MArgType argType6 = kNoArg);
    /// Lets a flag appear more than once (every declared flag may here); kFailure for an unknown flag.
    MStatus makeFlagMultiUse(const char* flagName);
    /// Declares the type of the next command argument (after the flags and their values).
    MStatus addArg(MArgType arg);
    /// Declares -q/-query: in query mode flags are given without their values.
    void enableQuery(bool supportsQuery = true);
    /// Declares -e/-edit.
    void enableEdit(bool supportsEdit = true);
    /// Forgets every declaration.
    void clear();

private:
    friend class MFnPlugin;
    /// The declarations in the form the host checks calls with.
    vex::host::CommandSyntax hostSyntax() const;
    struct Data;
    std::unique_ptr<Data> data_;
};
