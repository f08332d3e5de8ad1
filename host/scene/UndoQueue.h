#pragma once

#include <maya/MStatus.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class MPxCommand;

namespace vex::host {

/// The host's own undo queue: the undoable commands executed with undo enabled, oldest first, and a
/// position that separates the applied commands from the redo tail. Undo calls the command's undoIt
/// and moves the position back; redo calls redoIt and moves it forward; keeping a new command destroys
/// the redo tail. While an undo or redo runs, commands executed meanwhile are not kept.
class UndoQueue {
public:
    /// The one queue of the process.
    static UndoQueue& get();
    ~UndoQueue();

    /// Keeps an executed command (destroying the redo tail first); ignored while undoing or redoing,
    /// when the command is destroyed instead.
    void Push(std::unique_ptr<MPxCommand> command, const std::string& text);
    /// Undoes the command before the position; kFailure with a message when there is none, or when
    /// its undoIt fails (the position moves all the same).
    MStatus undo();
    /// Redoes the command at the position; kFailure with a message when there is none.
    MStatus redo();
    /// Destroys every kept command (done when a plug-in unloads, as its commands' code goes with it);
    /// ignored while undoing or redoing.
    void Flush();

    /// True while undo runs.
    bool IsUndoing() const { return undoing_; }
    /// True while redo runs.
    bool IsRedoing() const { return redoing_; }
    /// Number of kept commands (applied and redo tail).
    std::size_t size() const { return entries_.size(); }
    /// Number of applied commands.
    std::size_t Position() const { return position_; }
    /// The text of the command the next undo reverses ("" when none).
    std::string UndoText() const;
    /// The text of the command the next redo repeats ("" when none).
    std::string RedoText() const;

private:
    UndoQueue() = default;
    struct Entry {
        std::unique_ptr<MPxCommand> command;
        std::string text;
    };
    /// Publishes the "UndoAvailable" and "RedoAvailable" conditions.
    void Publish();

    std::vector<Entry> entries_;
    std::size_t position_ = 0;
    bool undoing_ = false;
    bool redoing_ = false;
};

} // namespace vex::host
