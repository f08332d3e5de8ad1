#pragma once

#include <maya/MArgParser.h>

class MSelectionList;

/// MArgParser that also reads object names as a selection list: flag values, command arguments and
/// objects of type kSelectionItem come back as the nodes they name.
class MArgDatabase : public MArgParser {
public:
    MArgDatabase() = default;
    /// Parses the arguments as MArgParser does.
    MArgDatabase(const MSyntax& syntax, const MArgList& argList, MStatus* ReturnStatus = nullptr);
    ~MArgDatabase() override = default;

    using MArgParser::getCommandArgument;
    using MArgParser::getFlagArgument;
    using MArgParser::getObjects;

    /// Adds the nodes named by value `index` of the flag to `result`; kInvalidParameter when the flag
    /// or value is missing or names nothing.
    MStatus getFlagArgument(const char* flag, unsigned int index, MSelectionList& result) const;
    /// Adds the nodes named by command argument `index` to `result`.
    MStatus getCommandArgument(unsigned int index, MSelectionList& result) const;
    /// Adds the objects the command was given to `result`; kInvalidParameter when one names nothing.
    MStatus getObjects(MSelectionList& result) const;

    /// "MArgDatabase".
    static const char* className();
};
