#pragma once

#include "interface/CInterface.h"
#include "interface/CUndo.h"

#include <functional>
#include <utility>

namespace vex::orb::addon {

/// An undo record that runs one action on undo and another on redo: for a tool change that must put
/// back several values and bring the scene up to date with them at once, whatever order the host
/// undoes the other records of the same step in.
class CActionUndo final : public CUndo {
public:
    CActionUndo(std::function<void()> undo, std::function<void()> redo)
        : undo_(std::move(undo)), redo_(std::move(redo)) {}

    void undo() override { undo_(); }
    void redo() override { redo_(); }

private:
    std::function<void()> undo_;
    std::function<void()> redo_;
};

/// Applies a change from `before` to `after` through `apply` and hands `core` an undo record that
/// applies `before` on undo and `after` on redo: a page edit whose effect on the scene the tool must
/// put back together with the value.
template <class Value, class Apply>
void ApplyUndoably(CInterface* core, const Value& before, const Value& after, Apply apply) {
    apply(after);
    core->addUndo(new CActionUndo([apply, before] { apply(before); }, [apply, after] { apply(after); }));
}

} // namespace vex::orb::addon
