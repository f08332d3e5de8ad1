#pragma once

#include "interface/CUndo.h"
#include "util/xml/Element.h"

#include <cstddef>
#include <string>

namespace vex::orb::core {

/// Undo record of an item created in the instance tree: undo removes the item again, redo makes
/// it again from its description at the same place. Items are found by instance name, so the
/// record stays valid while other records delete and remake items.
class InstanceReferenceCreateRestore : public CUndo {
public:
    /// The item described by `description` ("VXB_Plugin", nested items included) sits at `index`
    /// below the item of instance `parentName` (empty: the root).
    InstanceReferenceCreateRestore(std::string parentName, std::size_t index, util::xml::Element description);

    /// Removes the item.
    void undo() override { Remove(); }
    /// Makes the item again.
    void redo() override { Make(); }

protected:
    void Remove();
    void Make();

private:
    std::string parentName_;
    std::size_t index_;
    util::xml::Element description_;
    std::string name_;
};

} // namespace vex::orb::core
