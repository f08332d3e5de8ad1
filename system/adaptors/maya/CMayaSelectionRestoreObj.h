#pragma once

#include "system/adaptors/maya/UndoManagement.h"

#include <maya/MDagPath.h>
#include <maya/MGlobal.h>
#include <maya/MSelectionList.h>

namespace vex::orb::adaptor::maya {

/// The active selection around a selection the system made: undo puts the previous list back,
/// redo selects the path again the same way.
class CMayaSelectionRestoreObj : public UndoManagement::UndoUnit {
public:
    CMayaSelectionRestoreObj(const MSelectionList& previous, const MDagPath& selected,
                             MGlobal::ListAdjustment mode)
        : previous_(previous), selected_(selected), mode_(mode) {}

    void undo() override { MGlobal::setActiveSelectionList(previous_); }
    void redo() override { MGlobal::select(selected_, MObject::kNullObj, mode_); }

private:
    MSelectionList previous_;
    MDagPath selected_;
    MGlobal::ListAdjustment mode_;
};

} // namespace vex::orb::adaptor::maya
