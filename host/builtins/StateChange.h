#pragma once

#include "host/scene/Journal.h"

#include <functional>
#include <memory>

namespace vex::host::builtins {

/// A change of host state that lives outside the scene's nodes (current time, selection, curve keys),
/// recorded in the scene's journals like the scene's own changes so that undo takes it back in order.
class StateChange : public Change {
public:
    StateChange(std::function<void()> redo, std::function<void()> undo)
        : redo_(std::move(redo)), undo_(std::move(undo)) {}

    void undo(Scene&) override { undo_(); }
    void redo(Scene&) override { redo_(); }

    /// Performs `redo` now and records the change in the open journals.
    static void Apply(std::function<void()> redo, std::function<void()> undo);

private:
    std::function<void()> redo_;
    std::function<void()> undo_;
};

} // namespace vex::host::builtins
