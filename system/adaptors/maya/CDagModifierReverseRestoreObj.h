#pragma once

#include "system/adaptors/maya/CModifierUnit.h"

#include <maya/MDagModifier.h>

namespace vex::orb::adaptor::maya {

/// DAG edits whose doIt is the reverse of what happened (a merged file's "delete" of the nodes it
/// brought): undo runs doIt, redo runs undoIt.
class CDagModifierReverseRestoreObj : public CModifierUnit<MDagModifier> {
public:
    /// Takes ownership of `modifier`, whose doIt has not run.
    explicit CDagModifierReverseRestoreObj(MDagModifier* modifier) : CModifierUnit(modifier) {}

    void undo() override { modifier_->doIt(); }
    void redo() override { modifier_->undoIt(); }
};

} // namespace vex::orb::adaptor::maya
