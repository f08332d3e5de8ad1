#pragma once

#include "system/adaptors/maya/UndoManagement.h"

namespace vex::orb::adaptor::maya {

/// The base of the units that hold a modifier whose doIt has already run: it owns the modifier.
template <typename Modifier>
class CModifierUnit : public UndoManagement::UndoUnit {
public:
    CModifierUnit(const CModifierUnit&) = delete;
    CModifierUnit& operator=(const CModifierUnit&) = delete;
    ~CModifierUnit() override { delete modifier_; }

protected:
    /// Takes ownership of `modifier`.
    explicit CModifierUnit(Modifier* modifier) : modifier_(modifier) {}

    Modifier* modifier_;
};

} // namespace vex::orb::adaptor::maya
