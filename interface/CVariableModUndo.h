#pragma once

#include "interface/CUndo.h"

#include <utility>

namespace vex::orb {

/// Undo record of one variable of a tool (a plain value, an animated variable or the vector of an
/// instance's recorded input channels): made just before the variable changes, it keeps a copy of
/// the old state. Undo swaps that copy with the live variable, so redo can swap back and a further
/// undo restores the old state again. Used for int, double, bool, Vector3, every animated variable
/// type and std::vector<AVar_Linear<double>>.
template <typename T>
class CVariableModUndo final : public CUndo {
public:
    /// Records the current state of `variable` (not owned; it must outlive the record).
    explicit CVariableModUndo(T* variable) : variable_(variable), stored_(*variable) {}

    /// Undo through the host's queue: an undo with swap, so that redo can re-apply the change.
    void undo() override { undo(true); }

    /// With `swap` false, assigns the stored copy to the variable and keeps the copy. With `swap`
    /// true, swaps the variable and the stored copy unless the record already holds the redo value
    /// (then nothing happens).
    void undo(bool swap) {
        if (!swap) {
            *variable_ = stored_;
        } else if (!holdsRedo_) {
            using std::swap;
            swap(*variable_, stored_);
            holdsRedo_ = true;
        }
    }

    /// After an undo with swap, swaps back to the changed state; otherwise nothing.
    void redo() override {
        if (!holdsRedo_) return;
        using std::swap;
        swap(*variable_, stored_);
        holdsRedo_ = false;
    }

private:
    T* variable_;
    T stored_;
    bool holdsRedo_ = false;
};

} // namespace vex::orb
