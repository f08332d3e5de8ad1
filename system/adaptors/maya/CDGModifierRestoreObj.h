#pragma once

#include "system/adaptors/maya/CModifierUnit.h"

#include <maya/MDGModifier.h>

namespace vex::orb::adaptor::maya {

/// Dependency-graph edits already carried out by a modifier (connections, MEL steps).
class CDGModifierRestoreObj : public CModifierUnit<MDGModifier> {
public:
    /// Takes ownership of `modifier`, on which doIt has run.
    explicit CDGModifierRestoreObj(MDGModifier* modifier) : CModifierUnit(modifier) {}

    void undo() override { modifier_->undoIt(); }
    void redo() override { modifier_->doIt(); }
};

} // namespace vex::orb::adaptor::maya
