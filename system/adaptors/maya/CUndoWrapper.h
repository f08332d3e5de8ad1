#pragma once

#include "system/adaptors/maya/UndoManagement.h"

#include <string>
#include <utility>

namespace vex::orb::adaptor::maya {

/// A core undo unit (a tool variable, an instance-tree record) in the adaptor's list.
class CUndoWrapper : public UndoManagement::UndoUnit {
public:
    /// Takes ownership of `unit`; `label` is the label on top of the adaptor's group stack.
    CUndoWrapper(CUndo* unit, std::string label) : unit_(unit), label_(std::move(label)) {}
    ~CUndoWrapper() override;

    void undo() override { unit_->undo(); }
    void redo() override { unit_->redo(); }
    /// The label the wrapper was made with.
    std::string getLabel() const override { return label_; }

private:
    CUndo* unit_;
    std::string label_;
};

} // namespace vex::orb::adaptor::maya
