#pragma once

#include "system/adaptors/maya/UndoManagement.h"

class MAnimCurveChange;

namespace vex::orb::adaptor::maya {

/// The key edits collected in one anim-curve change: undo takes them back, redo makes them again.
class CAnimCurveRestoreObj : public UndoManagement::UndoUnit {
public:
    /// Takes ownership of `change`, whose edits are already made.
    explicit CAnimCurveRestoreObj(MAnimCurveChange* change) : change_(change) {}
    ~CAnimCurveRestoreObj() override;

    void undo() override;
    void redo() override;

private:
    MAnimCurveChange* change_;
};

} // namespace vex::orb::adaptor::maya
