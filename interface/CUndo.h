#pragma once

namespace vex::orb {

/// One reversible step recorded in the host's undo queue. Ownership passes with the record; it is
/// destroyed through release().
class CUndo {
public:
    /// Restores the state from before the change.
    virtual void undo() = 0;
    /// Re-applies the change after an undo.
    virtual void redo() = 0;
    /// Destroys the record.
    virtual void release() { delete this; }
    virtual ~CUndo() = default;
};

} // namespace vex::orb
