#include "plugins/common/ToolEvents.h"

#include "interface/CREEventUndo.h"

#include <new>

namespace vex::orb::addon {

ToolEvent ParseToolEvent(std::string_view name) {
    ToolEvent event{name};
    if (name.starts_with(kUndoEventPrefix)) {
        event.item = name.substr(kUndoEventPrefix.size());
        event.undo = true;
    } else if (name.starts_with(kRedoEventPrefix)) {
        event.item = name.substr(kRedoEventPrefix.size());
        event.redo = true;
    }
    return event;
}

void RegisterEventUndo(CInterface* core, CInterface::Callback* callback, std::string_view item) {
    std::string undo(kUndoEventPrefix);
    std::string redo(kRedoEventPrefix);
    undo += item;
    redo += item;
    if (CUndo* record = new (std::nothrow) CREEventUndo(callback, std::move(undo), std::move(redo)))
        core->addUndo(record);
}

} // namespace vex::orb::addon
