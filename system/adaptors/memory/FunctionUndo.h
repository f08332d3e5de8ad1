#pragma once

#include "interface/CUndo.h"

#include <functional>
#include <utility>

namespace vex::orb::adaptor::memory {

/// An undo unit made of two actions: one that restores the state from before a host edit, one that
/// applies the edit again. The edit itself has been made when the unit is recorded.
class FunctionUndo : public CUndo {
public:
    FunctionUndo(std::function<void()> undo, std::function<void()> redo)
        : undo_(std::move(undo)), redo_(std::move(redo)) {}

    void undo() override {
        if (undo_) undo_();
    }
    void redo() override {
        if (redo_) redo_();
    }

private:
    std::function<void()> undo_;
    std::function<void()> redo_;
};

} // namespace vex::orb::adaptor::memory
