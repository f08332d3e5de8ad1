#include "system/adaptors/maya/CAnimCurveRestoreObj.h"

#include <maya/MAnimCurveChange.h>

namespace vex::orb::adaptor::maya {

CAnimCurveRestoreObj::~CAnimCurveRestoreObj() {
    delete change_;
}

void CAnimCurveRestoreObj::undo() {
    change_->undoIt();
}

void CAnimCurveRestoreObj::redo() {
    change_->redoIt();
}

} // namespace vex::orb::adaptor::maya
