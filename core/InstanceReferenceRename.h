#pragma once

#include "interface/CUndo.h"

#include <string>

namespace vex::orb::core {

/// Undo record of a renamed instance: undo gives it the old name back, redo the new one.
class InstanceReferenceRename : public CUndo {
public:
    InstanceReferenceRename(std::string oldName, std::string newName)
        : oldName_(std::move(oldName)), newName_(std::move(newName)) {}

    void undo() override { Rename(newName_, oldName_); }
    void redo() override { Rename(oldName_, newName_); }

private:
    static void Rename(const std::string& from, const std::string& to);

    std::string oldName_;
    std::string newName_;
};

} // namespace vex::orb::core
