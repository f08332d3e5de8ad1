#include <maya/MAnimCurveChange.h>

#include "host/scene/KeyEditLog.h"

MAnimCurveChange::MAnimCurveChange(MStatus* ReturnStatus) : m_log(std::make_shared<vex::host::KeyEditLog>()) {
    MSetStatus(ReturnStatus, MStatus::kSuccess);
}

MStatus MAnimCurveChange::undoIt() {
    m_log->undo();
    return MStatus::kSuccess;
}

MStatus MAnimCurveChange::redoIt() {
    m_log->redo();
    return MStatus::kSuccess;
}
