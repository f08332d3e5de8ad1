#include "host/scene/UndoQueue.h"

#include "host/scene/MessageHub.h"
#include "host/scene/ScriptEditor.h"

#include <maya/MPxCommand.h>
#include <maya/MString.h>

namespace vex::host {

UndoQueue& UndoQueue::get() {
    // Never destroyed: scene nodes, plug-ins and other process-wide objects may still reach it while
    // they are destroyed at exit.
    static UndoQueue* queue = new UndoQueue;
    return *queue;
}

UndoQueue::~UndoQueue() = default;

void UndoQueue::Push(std::unique_ptr<MPxCommand> command, const std::string& text) {
    if (!command || undoing_ || redoing_) return;
    // Destroy the redo tail newest first, the reverse of the order the commands were made.
    while (entries_.size() > position_) entries_.pop_back();
    entries_.push_back({std::move(command), text});
    position_ = entries_.size();
    Publish();
}

MStatus UndoQueue::undo() {
    if (undoing_ || redoing_) return MStatus(MStatus::kFailure, "Cannot undo while an undo or redo runs.");
    if (position_ == 0) return MStatus(MStatus::kFailure, "There are no more commands to undo.");
    // The position moves even when undoIt fails, so that one broken command cannot block the queue.
    Entry& entry = entries_[--position_];
    undoing_ = true;
    const MStatus status = entry.command->undoIt();
    undoing_ = false;
    ScriptEditor::get().Write(status ? ScriptEditor::Kind::kInfo : ScriptEditor::Kind::kError,
                              (status ? "Undo: " : "Undo failed: ") + entry.text);
    Publish();
    MessageHub::get().FireEvent("Undo");
    return status;
}

MStatus UndoQueue::redo() {
    if (undoing_ || redoing_) return MStatus(MStatus::kFailure, "Cannot redo while an undo or redo runs.");
    if (position_ >= entries_.size())
        return MStatus(MStatus::kFailure, "There are no more commands to redo.");
    Entry& entry = entries_[position_++];
    redoing_ = true;
    const MStatus status = entry.command->redoIt();
    redoing_ = false;
    ScriptEditor::get().Write(status ? ScriptEditor::Kind::kInfo : ScriptEditor::Kind::kError,
                              (status ? "Redo: " : "Redo failed: ") + entry.text);
    Publish();
    MessageHub::get().FireEvent("Redo");
    return status;
}

void UndoQueue::Flush() {
    if (undoing_ || redoing_) return; // the running command must outlive its own undoIt or redoIt
    while (!entries_.empty()) entries_.pop_back();
    position_ = 0;
    Publish();
}

std::string UndoQueue::UndoText() const {
    return position_ > 0 ? entries_[position_ - 1].text : std::string();
}

std::string UndoQueue::RedoText() const {
    return position_ < entries_.size() ? entries_[position_].text : std::string();
}

void UndoQueue::Publish() {
    MessageHub::get().SetCondition("UndoAvailable", position_ > 0);
    MessageHub::get().SetCondition("RedoAvailable", position_ < entries_.size());
}

} // namespace vex::host
