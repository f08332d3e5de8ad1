#pragma once

#include "host/scene/Journal.h"

#include <maya/MPxCommand.h>

#include <memory>
#include <string>

namespace vex::host::builtins {

/// The commands run between "undoInfo -ock" and "undoInfo -cck", kept in the undo queue as one step.
/// While a chunk is open the scene records every change in the chunk's journal and the commands do
/// not enter the queue one by one; closing the outermost chunk hands the whole of it to the queue.
class UndoChunk : public MPxCommand {
public:
    explicit UndoChunk(std::shared_ptr<Journal> journal) : journal_(std::move(journal)) {}

    MStatus doIt(const MArgList&) override { return MStatus::kSuccess; }
    MStatus undoIt() override;
    MStatus redoIt() override;
    bool isUndoable() const override { return true; }

    /// Opens a chunk (inside any open one).
    static void Open();
    /// Closes the innermost chunk; the outermost goes to the undo queue under `name` when it changed
    /// something. False when no chunk is open.
    static bool Close(const std::string& name);
    /// Whether a chunk is open.
    static bool IsOpen() { return depth_ > 0; }

private:
    std::shared_ptr<Journal> journal_;
    static inline int depth_ = 0;
};

} // namespace vex::host::builtins
