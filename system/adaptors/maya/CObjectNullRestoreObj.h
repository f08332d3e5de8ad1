#pragma once

#include "system/adaptors/maya/UndoManagement.h"

#include <maya/MObject.h>

namespace vex::orb::adaptor::maya {

/// A handle the adaptor keeps to an object that an undone edit takes away: undo clears the handle,
/// redo gives it its object back.
class CObjectNullRestoreObj : public UndoManagement::UndoUnit {
public:
    /// `object` must outlive the unit; its current value is the one redo restores.
    explicit CObjectNullRestoreObj(MObject& object) : object_(object), kept_(object) {}

    void undo() override { object_ = MObject::kNullObj; }
    void redo() override { object_ = kept_; }

private:
    MObject& object_;
    MObject kept_;
};

} // namespace vex::orb::adaptor::maya
