#include "system/adaptors/maya/CDagModifierRestoreObj.h"

#include <maya/MGlobal.h>
#include <maya/MString.h>

namespace vex::orb::adaptor::maya {

namespace {

int nextSerial = 0;

void Report(const char* what, int serial) {
    MString text(what);
    text += serial;
    MGlobal::displayError(text);
}

} // namespace

CDagModifierRestoreObj::CDagModifierRestoreObj(MDagModifier* modifier)
    : CModifierUnit(modifier), serial_(++nextSerial) {}

void CDagModifierRestoreObj::undo() {
    if (!modifier_->undoIt()) Report("Failed to undo dagmod #", serial_);
}

void CDagModifierRestoreObj::redo() {
    if (!modifier_->doIt()) Report("Failed to redo dagmod #", serial_);
}

} // namespace vex::orb::adaptor::maya
