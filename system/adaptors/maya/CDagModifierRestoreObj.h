#pragma once

#include "system/adaptors/maya/CModifierUnit.h"

#include <maya/MDagModifier.h>

namespace vex::orb::adaptor::maya {

/// DAG edits already carried out by a modifier: undo takes them back, redo makes them again. A
/// failure is printed with the modifier's serial number and the walk goes on.
class CDagModifierRestoreObj : public CModifierUnit<MDagModifier> {
public:
    /// Takes ownership of `modifier`, on which doIt has run.
    explicit CDagModifierRestoreObj(MDagModifier* modifier);

    void undo() override;
    void redo() override;

    /// The modifier's number in the failure texts.
    int GetSerial() const { return serial_; }

private:
    int serial_;
};

} // namespace vex::orb::adaptor::maya
