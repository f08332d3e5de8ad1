#pragma once

#include "interface/CUndo.h"
#include "util/Singleton.h"

#include <cstdint>
#include <string>
#include <vector>

class MAnimCurveChange;

namespace vex::orb::adaptor::maya {

/// The adaptor's own undo list. Maya's undo queue knows only commands, so the system's units are
/// kept here, grouped, and each group that received units is entered into Maya's queue as one
/// "TorvaUndoWrapperII -id <group>" command; Maya undoing or redoing that entry rolls this list back
/// or forward by one group.
class UndoManagement : public util::Singleton<UndoManagement> {
public:
    /// One recorded step: a core or host edit already performed, stamped with its group.
    class UndoUnit : public CUndo {
    public:
        /// The label of the group the unit was recorded in.
        virtual std::string getLabel() const { return label_; }

        /// The group the unit belongs to.
        int32_t GetGroupId() const { return groupId_; }

    private:
        friend class UndoManagement;
        int32_t groupId_ = 0;
        std::string label_;
    };

    ~UndoManagement();

    /// Opens group `label`; ignored while replaying or while a group is open.
    void beginGroup(const std::string& label);
    /// Closes the open group; one that received units enters Maya's queue. Ignored while replaying.
    void endGroup(const std::string& label);
    /// Closes the open group and rolls back the units it applied; nothing enters Maya's queue.
    void cancelGroup();
    /// Takes `unit` into the open group, dropping any redo tail; false (the caller keeps the unit)
    /// outside a group or while replaying. An open anim-curve change is closed into a unit of its
    /// own first, so curve edits keep their order among the other units.
    bool addUnit(UndoUnit* unit);
    /// addUnit, destroying the unit when it is refused: for host edits that are only undoable while
    /// a group records.
    void Record(UndoUnit* unit);
    /// Undoes the group before the current position; nothing while a group is open or at the start.
    void undoGroup();
    /// Redoes the group at the current position; nothing while a group is open or at the end.
    void redoGroup();
    /// True while a group is open.
    bool isGroupOpen() const { return groupOpen_; }
    /// True while units are being undone or redone (no new units are accepted).
    bool isReplaying() const { return replaying_; }
    /// Opens (or nests into) the shared anim-curve change key edits pass to Maya.
    void beginCurveChange();
    /// Leaves one level; the outermost wraps the change into a unit of the open group.
    void endCurveChange();
    /// The shared anim-curve change, or null when none is open.
    MAnimCurveChange* getCurveChange() const { return curveChange_; }
    /// Destroys every unit (scene reset, clearing the host's undo).
    void clear();

    /// Units recorded, oldest first, and how many of them are applied.
    size_t GetUnitCount() const { return units_.size(); }
    size_t GetPosition() const { return static_cast<size_t>(position_); }
    /// The id of the current or last group.
    int32_t GetGroupId() const { return groupId_; }

private:
    friend class util::Singleton<UndoManagement>;
    UndoManagement() = default;

    // Stamps and appends `unit` after dropping the redo tail.
    void Append(UndoUnit* unit);
    // Destroys the units from the last down to `from`.
    void DropFrom(int32_t from);
    // Wraps the pending curve change into a unit of the open group.
    void CommitCurveChange();

    bool groupEmpty_ = true;
    std::vector<UndoUnit*> units_;
    int32_t position_ = 0;
    int32_t registeredGroup_ = -1;
    int32_t groupId_ = 0;
    std::string label_;
    bool groupOpen_ = false;
    bool replaying_ = false;
    int32_t curveChangeDepth_ = 0;
    MAnimCurveChange* curveChange_ = nullptr;
};

} // namespace vex::orb::adaptor::maya
