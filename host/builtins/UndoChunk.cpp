#include "host/builtins/UndoChunk.h"

#include "host/scene/Scene.h"
#include "host/scene/UndoQueue.h"

namespace vex::host::builtins {

MStatus UndoChunk::undoIt() {
    journal_->undo(Scene::Instance());
    return MStatus::kSuccess;
}

MStatus UndoChunk::redoIt() {
    journal_->redo(Scene::Instance());
    return MStatus::kSuccess;
}

void UndoChunk::Open() {
    Scene::Instance().BeginJournal();
    ++depth_;
}

bool UndoChunk::Close(const std::string& name) {
    if (depth_ == 0) return false;
    --depth_;
    // An inner chunk's journal reports into the one around it.
    auto journal = Scene::Instance().EndJournal();
    if (depth_ == 0 && !journal->empty()) UndoQueue::get().Push(std::make_unique<UndoChunk>(journal), name);
    return true;
}

} // namespace vex::host::builtins
