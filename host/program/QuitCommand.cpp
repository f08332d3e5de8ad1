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

QuitState& state() {
    static QuitState quit;
    return quit;
}

} // namespace

MStatus QuitCommand::doIt(const MArgList& args) {
    int code = 0;
    const unsigned index = args.flagIndex("-ec", "-exitCode");
    if (index != MArgList::kInvalidArgIndex) {
        MStatus status;
        code = args.asInt(index + 1, &status);
        if (!status) return MStatus(MStatus::kInvalidParameter, "Usage: quit [-force] [-exitCode N]");
    }
    const bool force = args.flagIndex("-f", "-force") != MArgList::kInvalidArgIndex;
    if (!force && state().confirm && !state().confirm()) return MStatus::kSuccess; // the user kept the scene
    state().requested = true;
    state().exitCode = code;
    return MStatus::kSuccess;
}

bool QuitCommand::requested() {
    return state().requested;
}

int QuitCommand::exitCode() {
    return state().exitCode;
}

void QuitCommand::reset() {
    state().requested = false;
    state().exitCode = 0;
}

void QuitCommand::setConfirm(std::function<bool()> confirm) {
    state().confirm = std::move(confirm);
}

} // namespace vex::host::program
