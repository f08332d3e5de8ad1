#include "host/program/QuitCommand.h"

#include <maya/MArgList.h>
#include <maya/MString.h>

namespace vex::host::program {

namespace {

struct QuitState {
    bool requested = false;
    int exitCode = 0;
    std::function<bool()> confirm;
};

QuitState& State() {
    static QuitState quit;
    return quit;
}

} // namespace

CommandSyntax QuitCommand::Syntax() {
    return CommandSyntax().flag("-f", "-force").flag("-ec", "-exitCode", CommandSyntax::Arg::kInteger);
}

MStatus QuitCommand::doIt(const MArgList& args) {
    int code = 0;
    const unsigned index = args.flagIndex("-ec", "-exitCode");
    if (index != MArgList::kInvalidArgIndex) {
        MStatus status;
        code = args.asInt(index + 1, &status);
        if (!status) return MStatus(MStatus::kInvalidParameter, "Usage: quit [-force] [-exitCode N]");
    }
    const bool force = args.flagIndex("-f", "-force") != MArgList::kInvalidArgIndex;
    if (!force && State().confirm && !State().confirm()) return MStatus::kSuccess; // the user kept the scene
    State().requested = true;
    State().exitCode = code;
    return MStatus::kSuccess;
}

bool QuitCommand::Requested() {
    return State().requested;
}

int QuitCommand::ExitCode() {
    return State().exitCode;
}

void QuitCommand::Reset() {
    State().requested = false;
    State().exitCode = 0;
}

void QuitCommand::SetConfirm(std::function<bool()> confirm) {
    State().confirm = std::move(confirm);
}

} // namespace vex::host::program
