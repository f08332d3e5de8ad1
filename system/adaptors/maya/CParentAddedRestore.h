#pragma once

#include "system/adaptors/maya/UndoManagement.h"

#include <maya/MDagPath.h>
#include <maya/MObject.h>

namespace vex::orb::adaptor::maya {

/// A parent link a node gained in the host (a system node put below another node). Maya's own
/// undo takes the link away with the edit that made it, so undo does nothing here; redo puts the
/// child back below the parent when it is not there.
class CParentAddedRestore : public UndoManagement::UndoUnit {
public:
    /// `child` is the transform that was put below `parent` (the world when null).
    CParentAddedRestore(const MDagPath& child, const MObject& parent) : child_(child), parent_(parent) {}

    void undo() override {}
    void redo() override;

private:
    MDagPath child_;
    MObject parent_;
};

} // namespace vex::orb::adaptor::maya
