#pragma once

#include <maya/MStatus.h>

#include <memory>

namespace vex::host {
class CommandSyntax;
struct SyntaxDeclarations;
} // namespace vex::host

/// The flags, arguments and objects a plug-in command accepts, handed to MFnPlugin::registerCommand by
/// the command's syntax function. The host refuses a call that does not fit before the command object
/// is made: an undeclared flag, a flag without its values, a value of the wrong type. Inside doIt,
/// MArgDatabase reads the call through the same syntax.
class MSyntax {
public:
    /// Types of flag values and command arguments.
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

    /// How a command takes a list of objects after its flags.
    enum MObjectFormat { kInvalidObjectFormat, kNone, kStringObjects, kSelectionList, kLastObjectFormat };

    MSyntax();
    MSyntax(const MSyntax& other);
    MSyntax& operator=(const MSyntax& other);
    virtual ~MSyntax();

    /// Declares a flag by its short and long name ("-v", "-value") and the types of up to six values
    /// that follow it. kFailure when either name is already declared; kInvalidParameter for a type
    /// that is not a value type.
    MStatus addFlag(const char* shortName, const char* longName, MArgType argType1 = kNoArg,
                    MArgType argType2 = kNoArg, MArgType argType3 = kNoArg, MArgType argType4 = kNoArg,
                    MArgType argType5 = kNoArg, MArgType argType6 = kNoArg);
    /// Lets a flag appear more than once; kFailure for an undeclared flag.
    MStatus makeFlagMultiUse(const char* flag);
    /// In query mode the flag takes its values as well (accepted; the values are then optional here).
    MStatus makeFlagQueryWithFullArgs(const char* flag, bool queryArgsAreOptional);
    /// Declares the type of the next command argument (after the flags and their values).
    MStatus addArg(MArgType arg);
    /// When the command is given no objects, the active selection stands for them.
    void useSelectionAsDefault(bool useSelectionList = false);
    /// Declares that the command takes objects after its flags, at least `minimumObjects` of them.
    MStatus setObjectType(MObjectFormat objectFormat, unsigned int minimumObjects = 0);
    /// As above, with at most `maximumObjects`.
    MStatus setObjectType(MObjectFormat objectFormat, unsigned int minimumObjects,
                          unsigned int maximumObjects);
    void setMinObjects(unsigned int minimumObjectCount);
    void setMaxObjects(unsigned int maximumObjectCount);
    /// Declares -q/-query: in query mode flags are given without their values.
    void enableQuery(bool supportsQuery = true);
    /// Declares -e/-edit.
    void enableEdit(bool supportsEdit = true);

    unsigned int minObjects() const;
    unsigned int maxObjects() const;
    bool canQuery() const;
    bool canEdit() const;

    /// Forgets every declaration.
    void clear();
    /// "MSyntax".
    static const char* className();

private:
    friend class MFnPlugin;
    friend class MArgParser;
    /// The declarations in the form the host checks calls with.
    vex::host::CommandSyntax hostSyntax() const;
    std::unique_ptr<vex::host::SyntaxDeclarations> data_;
};
