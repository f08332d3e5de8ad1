#pragma once

#include "core/InstanceReferenceCreateRestore.h"

namespace vex::orb::core {

/// Undo record of an item deleted from the instance tree: undo makes it again from the description
/// written before it went, at its old place; redo removes it again.
class InstanceReferenceDeleteRestore : public InstanceReferenceCreateRestore {
public:
    using InstanceReferenceCreateRestore::InstanceReferenceCreateRestore;

    /// Makes the item again.
    void undo() override { Make(); }
    /// Removes the item.
    void redo() override { Remove(); }
};

} // namespace vex::orb::core
