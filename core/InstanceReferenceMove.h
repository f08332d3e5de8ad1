#pragma once

#include "interface/CUndo.h"

#include <cstddef>
#include <string>

namespace vex::orb::core {

/// Undo record of an instance moved to another place in the instance tree: undo puts it back under
/// its former parent at its former position, redo moves it again. Parents are named by their
/// instance ("" for the top of the tree), so the record never holds a pointer into the tree.
class InstanceReferenceMove : public CUndo {
public:
    /// The place an instance hangs at: its parent's name and its position among the parent's children.
    struct Place {
        std::string parent;
        std::size_t index = 0;
    };

    InstanceReferenceMove(std::string name, Place from, Place to)
        : name_(std::move(name)), from_(std::move(from)), to_(std::move(to)) {}
    void undo() override { MoveTo(from_); }
    void redo() override { MoveTo(to_); }

private:
    void MoveTo(const Place& place) const;

    std::string name_;
    Place from_;
    Place to_;
};

} // namespace vex::orb::core
