#pragma once

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

} // namespace vex::orb::addon
