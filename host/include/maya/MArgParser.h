#pragma once

#include <maya/MArgList.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypes.h>

#include <memory>

class MAngle;
class MDistance;
class MSelectionList;
class MStringArray;
class MSyntax;
class MTime;

/// A command's arguments read through its syntax: which flags were given and their values, the command
/// arguments, and the objects. Made in doIt from the command's MSyntax and the MArgList it received;
/// a call that does not fit gives a failure status (and an error line) from the constructor.
class MArgParser {
public:
    /// An empty parser: no flags, arguments or objects.
    MArgParser();
    /// Parses the arguments; kInvalidParameter for an undeclared flag, a missing or ill-typed value,
    /// or too few or too many objects.
    MArgParser(const MSyntax& syntax, const MArgList& argList, MStatus* ReturnStatus = nullptr);
    virtual ~MArgParser();

    /// True when the flag (short or long name, with or without "-") was given.
    bool isFlagSet(const char* flag, MStatus* ReturnStatus = nullptr) const;
    /// True when the call was in edit (-e/-edit) or query (-q/-query) mode.
    bool isEdit(MStatus* ReturnStatus = nullptr) const;
    bool isQuery(MStatus* ReturnStatus = nullptr) const;
    /// Number of flags given (each use counts).
    unsigned int numberOfFlagsUsed() const;
    /// Number of times the flag was given.
    unsigned int numberOfFlagUses(const char* flag) const;

    /// Value `index` of the flag's first use, read as each type; kInvalidParameter when the flag is
    /// absent, has no such value, or the value is not of the type. Distances, angles and times are
    /// read in the user's units.
    MStatus getFlagArgument(const char* flag, unsigned int index, bool& result) const;
    MStatus getFlagArgument(const char* flag, unsigned int index, int& result) const;
    MStatus getFlagArgument(const char* flag, unsigned int index, double& result) const;
    MStatus getFlagArgument(const char* flag, unsigned int index, MString& result) const;
    MStatus getFlagArgument(const char* flag, unsigned int index, unsigned int& result) const;
    MStatus getFlagArgument(const char* flag, unsigned int index, MDistance& result) const;
    MStatus getFlagArgument(const char* flag, unsigned int index, MAngle& result) const;
    MStatus getFlagArgument(const char* flag, unsigned int index, MTime& result) const;

    /// The same values as return values.
    bool flagArgumentBool(const char* flag, unsigned int index, MStatus* ReturnStatus = nullptr) const;
    int flagArgumentInt(const char* flag, unsigned int index, MStatus* ReturnStatus = nullptr) const;
    double flagArgumentDouble(const char* flag, unsigned int index, MStatus* ReturnStatus = nullptr) const;
    MString flagArgumentString(const char* flag, unsigned int index, MStatus* ReturnStatus = nullptr) const;
    MDistance flagArgumentMDistance(const char* flag, unsigned int index,
                                    MStatus* ReturnStatus = nullptr) const;
    MAngle flagArgumentMAngle(const char* flag, unsigned int index, MStatus* ReturnStatus = nullptr) const;
    MTime flagArgumentMTime(const char* flag, unsigned int index, MStatus* ReturnStatus = nullptr) const;

    /// Where use `i` of the flag stands in the argument list; kFailure when there is no such use.
    MStatus getFlagArgumentPosition(const char* flag, unsigned int i, unsigned int& position) const;
    /// The values of use `i` of a multi-use flag.
    MStatus getFlagArgumentList(const char* flag, unsigned int i, MArgList& args) const;

    /// Command argument `index` (declared with MSyntax::addArg), read as each type.
    MStatus getCommandArgument(unsigned int index, bool& result) const;
    MStatus getCommandArgument(unsigned int index, int& result) const;
    MStatus getCommandArgument(unsigned int index, double& result) const;
    MStatus getCommandArgument(unsigned int index, MString& result) const;
    MStatus getCommandArgument(unsigned int index, MDistance& result) const;
    MStatus getCommandArgument(unsigned int index, MAngle& result) const;
    MStatus getCommandArgument(unsigned int index, MTime& result) const;
    bool commandArgumentBool(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    int commandArgumentInt(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    double commandArgumentDouble(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    MString commandArgumentString(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    MDistance commandArgumentMDistance(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    MAngle commandArgumentMAngle(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    MTime commandArgumentMTime(unsigned int index, MStatus* ReturnStatus = nullptr) const;

    /// The objects the command was given (or the active selection, when the syntax says so) by name.
    MStatus getObjects(MStringArray& result) const;

    /// "MArgParser".
    static const char* className();

    /// The host's record of what the constructor read.
    struct Parsed;

protected:
    /// What the constructor read (never null).
    std::shared_ptr<const Parsed> parsed_;
};
