#include "host/scene/KeyEditLog.h"

#include <maya/MAnimCurveChange.h>

MAnimCurveChange::MAnimCurveChange(MStatus* ReturnStatus) : log_(std::make_shared<vex::host::KeyEditLog>()) {
    MSetStatus(ReturnStatus, MStatus::kSuccess);
}

MStatus MAnimCurveChange::undoIt() {
    log_->undo();
    return MStatus::kSuccess;
}

MStatus MAnimCurveChange::redoIt() {
    log_->redo();
    return MStatus::kSuccess;
}
