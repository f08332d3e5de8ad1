#pragma once

#include "system/adaptors/maya/UndoManagement.h"

#include <utility>

namespace vex::orb::adaptor::maya {

/// The shape every "value before and after" unit shares: the edit is already made; undo applies
/// the value from before it, redo the value after it.
template <typename T>
class CValueRestoreObj : public UndoManagement::UndoUnit {
public:
    CValueRestoreObj(T before, T after) : before_(std::move(before)), after_(std::move(after)) {}

    void undo() override { Apply(before_); }
    void redo() override { Apply(after_); }

protected:
    /// Puts `value` into the host.
    virtual void Apply(const T& value) = 0;

private:
    T before_;
    T after_;
};

} // namespace vex::orb::adaptor::maya
