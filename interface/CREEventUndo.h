#pragma once

#include "interface/CInterface.h"
#include "interface/CUndo.h"

#include <string>
#include <utility>

namespace vex::orb {

/// Undo record that tells a tool about the undo or redo of one of its own changes: it sends the
/// tool's callback an event string, by convention "REALUNDO" or "REALREDO" followed by the name of
/// what changed.
class CREEventUndo final : public CUndo {
public:
    /// A record that sends `undoEvent` on undo and `redoEvent` on redo to `callback` (not owned; it
    /// must outlive the record; null sends nothing).
    CREEventUndo(CInterface::Callback* callback, std::string undoEvent, std::string redoEvent)
        : callback_(callback), undoEvent_(std::move(undoEvent)), redoEvent_(std::move(redoEvent)) {}

    /// Calls onEvent with a copy of the undo string.
    void undo() override {
        if (callback_ != nullptr) callback_->onEvent(undoEvent_);
    }

    /// Calls onEvent with a copy of the redo string.
    void redo() override {
        if (callback_ != nullptr) callback_->onEvent(redoEvent_);
    }

private:
    CInterface::Callback* callback_;
    std::string undoEvent_;
    std::string redoEvent_;
};

} // namespace vex::orb
