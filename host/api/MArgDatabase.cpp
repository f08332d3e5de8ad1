#include "host/api/HostConvert.h"
#include "host/api/ParsedArguments.h"

#include <maya/MArgDatabase.h>
#include <maya/MSelectionList.h>

namespace {

// Adds the nodes a name matches; kInvalidParameter when it matches none.
MStatus addNamed(const MString& name, MSelectionList& result) {
    MSelectionList named;
    if (!named.add(name))
        return vex::host::convert::failure("no object matches \"" + name.str() + "\"",
                                           MStatus::kInvalidParameter);
    return result.merge(named);
}

} // namespace

MArgDatabase::MArgDatabase(const MSyntax& syntax, const MArgList& argList, MStatus* ReturnStatus)
    : MArgParser(syntax, argList, ReturnStatus) {}

MStatus MArgDatabase::getFlagArgument(const char* flag, unsigned int index, MSelectionList& result) const {
    MString name;
    const MStatus status = MArgParser::getFlagArgument(flag, index, name);
    return status ? addNamed(name, result) : status;
}

MStatus MArgDatabase::getCommandArgument(unsigned int index, MSelectionList& result) const {
    MString name;
    const MStatus status = MArgParser::getCommandArgument(index, name);
    return status ? addNamed(name, result) : status;
}

MStatus MArgDatabase::getObjects(MSelectionList& result) const {
    for (const MString& object : parsed_->objects)
        if (MStatus status = addNamed(object, result); !status) return status;
    return MStatus::kSuccess;
}

const char* MArgDatabase::className() {
    return "MArgDatabase";
}
