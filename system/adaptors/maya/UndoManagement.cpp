#include "system/adaptors/maya/UndoManagement.h"

#include "system/adaptors/maya/CAnimCurveRestoreObj.h"

#include <maya/MAnimCurveChange.h>
#include <maya/MGlobal.h>
#include <maya/MString.h>

namespace vex::orb::adaptor::maya {

UndoManagement::~UndoManagement() {
    clear();
    delete curveChange_;
}

void UndoManagement::beginGroup(const std::string& label) {
    if (replaying_ || groupOpen_) return;
    ++groupId_;
    label_ = label;
    groupEmpty_ = true;
    if (registeredGroup_ != groupId_) registeredGroup_ = -1;
    groupOpen_ = true;
}

void UndoManagement::endGroup(const std::string& label) {
    (void)label; // groups do not nest here: the label of the group that opened stands
    if (replaying_) return;
    groupOpen_ = false;
    if (groupEmpty_ || registeredGroup_ == groupId_) return;
    registeredGroup_ = groupId_;
    MString command("TorvaUndoWrapperII -id ");
    command += groupId_;
    MGlobal::executeCommand(command, true, true);
}

void UndoManagement::cancelGroup() {
    if (replaying_ || !groupOpen_) return;
    groupOpen_ = false;
    // Only this group's units are rolled back; an empty group leaves the one before it alone.
    if (!groupEmpty_) undoGroup();
}

bool UndoManagement::addUnit(UndoUnit* unit) {
    if (unit == nullptr || !groupOpen_ || replaying_) return false;
    if (curveChangeDepth_ > 0) {
        CommitCurveChange();
        curveChange_ = new MAnimCurveChange();
    }
    Append(unit);
    return true;
}

void UndoManagement::Record(UndoUnit* unit) {
    if (unit != nullptr && !addUnit(unit)) unit->release();
}

void UndoManagement::Append(UndoUnit* unit) {
    unit->groupId_ = groupId_;
    unit->label_ = label_;
    DropFrom(position_);
    units_.push_back(unit);
    position_ = static_cast<int32_t>(units_.size());
    groupEmpty_ = false;
}

void UndoManagement::DropFrom(int32_t from) {
    while (static_cast<int32_t>(units_.size()) > from) {
        units_.back()->release();
        units_.pop_back();
    }
}

void UndoManagement::undoGroup() {
    if (groupOpen_ || position_ == 0) return;
    replaying_ = true;
    const int32_t group = units_[static_cast<size_t>(position_ - 1)]->groupId_;
    while (position_ > 0 && units_[static_cast<size_t>(position_ - 1)]->groupId_ == group) {
        --position_;
        units_[static_cast<size_t>(position_)]->undo();
    }
    replaying_ = false;
}

void UndoManagement::redoGroup() {
    if (groupOpen_ || position_ >= static_cast<int32_t>(units_.size())) return;
    replaying_ = true;
    const int32_t group = units_[static_cast<size_t>(position_)]->groupId_;
    while (position_ < static_cast<int32_t>(units_.size()) &&
           units_[static_cast<size_t>(position_)]->groupId_ == group) {
        units_[static_cast<size_t>(position_)]->redo();
        ++position_;
    }
    replaying_ = false;
}

void UndoManagement::beginCurveChange() {
    if (curveChangeDepth_ == 0) curveChange_ = new MAnimCurveChange();
    ++curveChangeDepth_;
}

void UndoManagement::endCurveChange() {
    if (curveChangeDepth_ == 0) return;
    if (--curveChangeDepth_ == 0) CommitCurveChange();
}

void UndoManagement::CommitCurveChange() {
    MAnimCurveChange* change = curveChange_;
    curveChange_ = nullptr;
    if (change == nullptr) return;
    if (groupOpen_ && !replaying_) {
        Append(new CAnimCurveRestoreObj(change));
    } else {
        delete change; // outside a group the key edits stay, without a way back
    }
}

void UndoManagement::clear() {
    DropFrom(0);
    position_ = 0;
    registeredGroup_ = -1;
}

} // namespace vex::orb::adaptor::maya
